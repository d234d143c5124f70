// Conversions between the program's UTF-8 text and the encodings its INI files come in.
// Every decoder reads only inside the given bytes; malformed input becomes U+FFFD.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// UTF-16LE code units (no BOM) to UTF-8. An odd trailing byte is dropped; a surrogate
// without its partner becomes U+FFFD.
std::string utf8FromUtf16Le(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> utf16LeFromUtf8(std::string_view text);

// UTF-8 that may be malformed to well-formed UTF-8 (bad sequences become U+FFFD).
std::string sanitizeUtf8(std::span<const std::uint8_t> bytes);
bool isValidUtf8(std::span<const std::uint8_t> bytes);

// Legacy single-byte text, read as Windows-1252 (its five unassigned bytes map to the
// C1 controls of the same value, as the system's conversion does). Characters it cannot
// hold are written as '?'.
std::string utf8FromWindows1252(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> windows1252FromUtf8(std::string_view text);
// True when every character of the (valid) UTF-8 text has a Windows-1252 byte.
bool fitsWindows1252(std::string_view text);

// Number of UTF-16 code units the UTF-8 text takes (what the system's buffers count).
std::size_t utf16Length(std::string_view text);
// The longest prefix of at most `units` UTF-16 code units; never splits a character.
std::string_view utf16Prefix(std::string_view text, std::size_t units);

}  // namespace quorvel
