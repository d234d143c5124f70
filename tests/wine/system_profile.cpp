#include "system_profile.h"

#include <windows.h>

#include "config/text_encoding.h"
#include "platform/win32/files_win32.h"

namespace quorvel::win32 {
namespace {

constexpr DWORD kValueBuffer = 1024;  // the program's buffers
constexpr DWORD kNamesBuffer = 1 << 20;

std::string narrow(const wchar_t* text, std::size_t length) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(length * 2);
    for (std::size_t i = 0; i < length; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(text[i] & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((text[i] >> 8) & 0xFF));
    }
    return utf8FromUtf16Le(bytes);
}

}  // namespace

std::string systemProfileString(const std::string& path, const std::string& section,
                                const std::string& key) {
    wchar_t buffer[kValueBuffer] = {};
    const DWORD length =
        GetPrivateProfileStringW(widePath(section).c_str(), widePath(key).c_str(), L"", buffer,
                                 kValueBuffer, widePath(path).c_str());
    return narrow(buffer, length);
}

bool systemWriteProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value) {
    return WritePrivateProfileStringW(widePath(section).c_str(), widePath(key).c_str(),
                                      widePath(value).c_str(), widePath(path).c_str()) != 0;
}

bool systemDeleteProfileKey(const std::string& path, const std::string& section,
                            const std::string& key) {
    return WritePrivateProfileStringW(widePath(section).c_str(), widePath(key).c_str(), nullptr,
                                      widePath(path).c_str()) != 0;
}

bool systemDeleteProfileSection(const std::string& path, const std::string& section) {
    return WritePrivateProfileStringW(widePath(section).c_str(), nullptr, nullptr,
                                      widePath(path).c_str()) != 0;
}

std::vector<std::string> systemProfileSectionNames(const std::string& path) {
    std::vector<wchar_t> buffer(kNamesBuffer);
    const DWORD length =
        GetPrivateProfileSectionNamesW(buffer.data(), kNamesBuffer, widePath(path).c_str());
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (buffer[i] == L'\0') {
            names.push_back(narrow(buffer.data() + start, i - start));
            start = i + 1;
        }
    }
    return names;
}

}  // namespace quorvel::win32
