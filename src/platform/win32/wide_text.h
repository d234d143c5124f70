// UTF-8 of the portable code to and from the UTF-16 of the wide Win32 calls.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quorvel::win32 {

inline std::wstring wideFromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

// A null or empty text, or one the system cannot convert, gives "".
inline std::string utf8FromWide(const wchar_t* wide) {
    if (wide == nullptr || *wide == L'\0')
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string text(static_cast<std::size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace quorvel::win32
