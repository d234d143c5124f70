#include "config/text_encoding.h"

#include <array>
#include <optional>

namespace quorvel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
    char32_t codePoint = kReplacement;
    std::size_t length = 1;
    bool valid = false;
};

// One UTF-8 sequence at `pos`; rejects overlong forms, surrogates and values past U+10FFFF.
Decoded decodeUtf8At(std::span<const std::uint8_t> bytes, std::size_t pos) {
    const std::uint8_t lead = bytes[pos];
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() - pos < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = bytes[pos + i];
        if ((next & 0xC0) != 0x80) {
            return {kReplacement, i, false};
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {kReplacement, length, false};
    }
    return {value, length, true};
}

std::span<const std::uint8_t> asBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendUtf16Unit(std::vector<std::uint8_t>& out, char32_t unit) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
}

// Windows-1252 bytes 0x80..0x9F; the unassigned ones keep their own value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<std::uint8_t> cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<std::uint8_t>(cp);
    }
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == cp) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string utf8FromUtf16Le(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) -> char32_t {
        return static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 < units) {
                const char32_t low = unitAt(i + 1);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                    ++i;
                    continue;
                }
            }
            appendUtf8(out, kReplacement);
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::vector<std::uint8_t> utf16LeFromUtf8(std::string_view text) {
    const auto bytes = asBytes(text);
    std::vector<std::uint8_t> out;
    out.reserve(bytes.size() * 2);
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeUtf8At(bytes, pos);
        pos += d.length;
        if (d.codePoint >= 0x10000) {
            const char32_t v = d.codePoint - 0x10000;
            appendUtf16Unit(out, 0xD800 + (v >> 10));
            appendUtf16Unit(out, 0xDC00 + (v & 0x3FF));
        } else {
            appendUtf16Unit(out, d.codePoint);
        }
    }
    return out;
}

std::string sanitizeUtf8(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeUtf8At(bytes, pos);
        if (d.valid) {
            out.append(reinterpret_cast<const char*>(bytes.data() + pos), d.length);
        } else {
            appendUtf8(out, kReplacement);
        }
        pos += d.length;
    }
    return out;
}

bool isValidUtf8(std::span<const std::uint8_t> bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeUtf8At(bytes, pos);
        if (!d.valid) {
            return false;
        }
        pos += d.length;
    }
    return true;
}

std::string utf8FromWindows1252(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const std::uint8_t b : bytes) {
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

std::vector<std::uint8_t> windows1252FromUtf8(std::string_view text) {
    const auto bytes = asBytes(text);
    std::vector<std::uint8_t> out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeUtf8At(bytes, pos);
        pos += d.length;
        out.push_back(cp1252Byte(d.codePoint).value_or(static_cast<std::uint8_t>('?')));
    }
    return out;
}

bool fitsWindows1252(std::string_view text) {
    const auto bytes = asBytes(text);
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeUtf8At(bytes, pos);
        if (!d.valid || !cp1252Byte(d.codePoint))
            return false;
        pos += d.length;
    }
    return true;
}

std::size_t utf16Length(std::string_view text) {
    const auto bytes = asBytes(text);
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Decoded d = decodeUtf8At(bytes, pos);
        pos += d.length;
        units += d.codePoint >= 0x10000 ? 2 : 1;
    }
    return units;
}

std::string_view utf16Prefix(std::string_view text, std::size_t units) {
    const auto bytes = asBytes(text);
    std::size_t pos = 0;
    std::size_t taken = 0;
    while (pos < bytes.size()) {
        const Decoded d = decodeUtf8At(bytes, pos);
        const std::size_t need = d.codePoint >= 0x10000 ? 2 : 1;
        if (taken + need > units) {
            break;
        }
        taken += need;
        pos += d.length;
    }
    return text.substr(0, pos);
}

}  // namespace quorvel
