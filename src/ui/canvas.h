// The page surface as the portable code sees it: what a skinned window shows is composed here
// and reaches the screen only through copyToScreen, in one block copy, so nothing flickers.
//
// Every call names what it needs (image, placement, font, colour); the surface keeps no pen or
// font state between calls. Drawing into a window without a page surface does nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "config/colour.h"
#include "ui/geometry.h"

namespace quorvel {

enum class TextPlacement : std::uint8_t {
    Left,           // left-aligned, vertically centred, one line
    Centre,         // centred both ways, one line
    Right,          // right-aligned, vertically centred, one line
    TopCentre,      // centred horizontally at the top of the rectangle, one line
    WrappedLeft,    // broken into lines at word ends, left-aligned, the block centred vertically
    WrappedCentre,  // as WrappedLeft, each line centred
    // Centred on one line; a text wider than the rectangle runs past both ends at its full
    // size. For headings and links with nothing beside them.
    CentreOverflow,
};

enum class FontRole : std::uint8_t {
    Text,   // weight 400: labels, captions, values
    Title,  // weight 700: the page title
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Draws the current skin's image `fileName` (it begins with a slash: "/button-over.png")
    // with its top-left corner at (x, y) at its natural size, blending its transparency.
    // False when the image cannot be had; the spot then keeps what it showed, and nothing is
    // reported to the user.
    virtual bool drawImage(std::string_view fileName, int x, int y) = 0;

    // Draws UTF-8 text on a transparent background. A one-line text wider than its rectangle
    // is drawn whole in a smaller size of its font (CentreOverflow: at its size, past the ends).
    virtual void drawText(std::string_view text, const Rect& rect, TextPlacement placement,
                          FontRole font, Colour colour) = 0;

    // Copies the whole client area from the page surface to the screen.
    virtual void copyToScreen() = 0;
};

}  // namespace quorvel
