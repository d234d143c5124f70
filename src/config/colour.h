// A colour, in the two forms the program keeps it: three bytes as the record and str.ini hold
// them, and the packed value drawing takes (red in the low byte, then green, then blue).
#pragma once

#include <cstdint>

namespace quorvel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

using Colour = std::uint32_t;

constexpr Colour rgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
           (static_cast<Colour>(blue) << 16);
}

constexpr Colour colourOf(const Rgb& rgb) {
    return rgbColour(rgb.red, rgb.green, rgb.blue);
}

constexpr Rgb rgbOf(Colour colour) {
    return {static_cast<std::uint8_t>(colour & 0xFF),
            static_cast<std::uint8_t>((colour >> 8) & 0xFF),
            static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

// Page titles and the entries of the drop-down lists.
inline constexpr Colour kWhite = 0xFFFFFF;

}  // namespace quorvel
