// UTF-8 from the portable code to the UTF-16 the wide Win32 calls take.
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

}  // namespace quorvel::win32
