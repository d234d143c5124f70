#include "ports/std_files.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

FileError lastError(int fallback) {
    return FileError{errno != 0 ? errno : fallback};
}

}  // namespace

bool StdFilesPort::exists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(toPath(path), error);
}

std::optional<std::vector<std::uint8_t>> StdFilesPort::read(const std::string& path) {
    std::ifstream in(toPath(path), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<FileError> StdFilesPort::replace(const std::string& path,
                                               const std::vector<std::uint8_t>& bytes) {
    const fs::path target = toPath(path);
    std::error_code error;
    errno = 0;
    // A rename would pass over a read-only file; opening it for appending asks the same
    // question a plain rewrite would, without changing a byte.
    if (fs::exists(target, error)) {
        if (const auto injected = inject(ReplaceStep::CheckWritable))
            return injected;
        std::ofstream probe(target, std::ios::binary | std::ios::app);
        if (!probe) {
            return lastError(EACCES);
        }
    }
    fs::path temporary = target;
    temporary += ".tmp";
    if (const auto injected = inject(ReplaceStep::CreateTemporary))
        return injected;
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        return lastError(EIO);
    }
    // Every failure from here on leaves the original untouched; the temporary goes.
    const auto discard = [&](FileError failed) {
        out.close();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return failed;
    };
    if (const auto injected = inject(ReplaceStep::Write))
        return discard(*injected);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (const auto injected = inject(ReplaceStep::Flush))
        return discard(*injected);
    out.flush();
    if (!out) {
        return discard(lastError(EIO));
    }
    if (const auto injected = inject(ReplaceStep::Close))
        return discard(*injected);
    // Closing writes what the stream still holds; a failure here means a short file.
    out.close();
    if (!out) {
        return discard(lastError(EIO));
    }
    if (const auto injected = inject(ReplaceStep::Sync))
        return discard(*injected);
    if (const auto failed = syncToDisk(temporary.string()))
        return discard(*failed);
    if (const auto injected = inject(ReplaceStep::Rename))
        return discard(*injected);
    fs::rename(temporary, target, error);
    if (error) {
        return discard(FileError{error.value()});
    }
    // The rename itself lasts once the directory is synced; the file is already replaced,
    // so a failure here has nothing left to undo.
    std::error_code ignored;
    (void)syncToDisk(fs::absolute(target, ignored).parent_path().string());
    return std::nullopt;
}

std::vector<DirectoryEntry> StdDirectoryListing::list(const std::string& directory) {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    fs::directory_iterator it(toPath(directory.empty() ? "." : directory), error);
    // A missing or unreadable folder lists as empty, as the port promises.
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::u8string name = it->path().filename().u8string();
        std::error_code ignored;
        entries.push_back({std::string(name.begin(), name.end()), it->is_directory(ignored)});
    }
    return entries;
}

std::optional<FileError> StdFilesPort::makeDirectory(const std::string& path) {
    std::error_code error;
    fs::create_directories(toPath(path), error);
    if (error)
        return FileError{error.value()};
    return std::nullopt;
}

std::optional<FileError> StdFilesPort::remove(const std::string& path) {
    std::error_code error;
    if (!fs::remove(toPath(path), error))
        return FileError{error ? error.value() : ENOENT};
    return std::nullopt;
}

}  // namespace quorvel
