#include "platform/win32/files_win32.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "config/text_encoding.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

FileError lastError() {
    return FileError{static_cast<int>(GetLastError())};
}

bool writeAll(HANDLE file, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(
            std::min<std::size_t>(bytes.size() - done, std::numeric_limits<DWORD>::max()));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

std::wstring widePath(const std::string& utf8) {
    const auto units = utf16LeFromUtf8(utf8);
    std::wstring wide(units.size() / 2, L'\0');
    for (std::size_t i = 0; i < wide.size(); ++i) {
        wide[i] = static_cast<wchar_t>(units[2 * i] | (units[2 * i + 1] << 8));
    }
    return wide;
}

std::string executablePath() {
    // The path may be longer than MAX_PATH; a full buffer means it was cut, so try larger.
    constexpr std::size_t kLongestPath = 32768;
    for (std::wstring buffer(MAX_PATH, L'\0'); buffer.size() <= kLongestPath;
         buffer.resize(buffer.size() * 2)) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return utf8FromWide(buffer.c_str());
        }
    }
    return {};
}

bool Win32FilesPort::exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::vector<std::uint8_t>> Win32FilesPort::read(const std::string& path) {
    UniqueKernelHandle file(CreateFileW(widePath(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

std::optional<FileError> Win32FilesPort::replace(const std::string& path,
                                                 const std::vector<std::uint8_t>& bytes) {
    const std::wstring target = widePath(path);
    const std::wstring temporary = target + L".tmp";
    // A rename may pass over a read-only file (Wine's does); a rewrite would be refused.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (const auto injected = inject(ReplaceStep::CheckWritable))
            return injected;
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
            return FileError{static_cast<int>(ERROR_ACCESS_DENIED)};
    }
    if (const auto injected = inject(ReplaceStep::CreateTemporary))
        return injected;
    UniqueKernelHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return lastError();
    }
    // Every failure from here on leaves the original untouched; the temporary goes.
    const auto discard = [&](FileError failed) {
        // The step that failed is the error to report; a close or delete failing after it
        // adds nothing the caller could act on.
        (void)file.close();
        (void)DeleteFileW(temporary.c_str());
        return failed;
    };
    if (const auto injected = inject(ReplaceStep::Write))
        return discard(*injected);
    if (!writeAll(file.get(), bytes))
        return discard(lastError());
    if (const auto injected = inject(ReplaceStep::Flush))
        return discard(*injected);
    if (!FlushFileBuffers(file.get()))
        return discard(lastError());
    if (const auto injected = inject(ReplaceStep::Close))
        return discard(*injected);
    if (!file.close())
        return discard(lastError());
    if (const auto injected = inject(ReplaceStep::Rename))
        return discard(*injected);
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return discard(lastError());
    }
    return std::nullopt;
}

std::optional<FileError> Win32FilesPort::makeDirectory(const std::string& path) {
    if (path.empty())
        return std::nullopt;  // the current folder
    const std::size_t slash = path.find_last_of("\\/", path.size() - 2);
    if (slash != std::string::npos && slash > 0 && path[slash - 1] != ':') {
        if (const auto failed = makeDirectory(path.substr(0, slash)))
            return failed;
    }
    if (CreateDirectoryW(widePath(path).c_str(), nullptr))
        return std::nullopt;
    const DWORD code = GetLastError();
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (code == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return FileError{static_cast<int>(code)};
}

std::optional<FileError> Win32FilesPort::remove(const std::string& path) {
    if (!DeleteFileW(widePath(path).c_str()))
        return lastError();
    return std::nullopt;
}

}  // namespace quorvel::win32
