// The main window's fixed buttons: where they are and the order a click tests them in.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quorvel {

struct HitRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // Right and bottom edges are outside.
    constexpr bool contains(int x, int y) const {
        return left <= x && x < right && top <= y && y < bottom;
    }
};

enum class FixedButton : std::uint8_t {
    Ok,
    Apply,
    Skins,
    Minimise,
    Close,
    PreviousPage,
    NextPage,
    Cancel,
    WebLink,
};

struct FixedButtonArea {
    FixedButton button;
    HitRect rect;
    bool stopsDispatch;  // a hit ends the click: nothing after it is tested
};

// In dispatch order. OK and Apply share the column x = 666, Apply and Cancel x = 770: a
// click there does both, in this order.
inline constexpr std::array<FixedButtonArea, 9> kFixedButtons = {{
    {FixedButton::Ok, {562, 623, 667, 644}, false},
    {FixedButton::Apply, {666, 623, 771, 644}, false},
    {FixedButton::Skins, {701, 5, 719, 23}, false},
    {FixedButton::Minimise, {825, 5, 843, 23}, true},
    {FixedButton::Close, {850, 5, 868, 23}, true},
    {FixedButton::PreviousPage, {20, 58, 60, 98}, true},
    {FixedButton::NextPage, {70, 58, 110, 98}, true},
    {FixedButton::Cancel, {770, 623, 875, 644}, false},
    {FixedButton::WebLink, {273, 627, 449, 647}, true},
}};

inline constexpr HitRect rectOf(FixedButton button) {
    for (const FixedButtonArea& area : kFixedButtons) {
        if (area.button == button)
            return area.rect;
    }
    return {};
}

}  // namespace quorvel
