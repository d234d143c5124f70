// A colour as the record and str.ini hold it: one byte each for red, green and blue. Drawing
// takes the same value; only the platform glue packs it into its own form.
#pragma once

#include <cstdint>

namespace quorvel {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour rgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {red, green, blue};
}

// Page titles and the entries of the drop-down lists.
inline constexpr Colour kWhite{255, 255, 255};
// The lists' and fields' ground.
inline constexpr Colour kBlack{};
// Behind the main window's static texts.
inline constexpr Colour kStaticBackground{100, 150, 100};

}  // namespace quorvel
