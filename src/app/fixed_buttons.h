// The main window's fixed buttons, on both pages: where they are, the order a click tests them
// in, and how they light up under the pointer.
#pragma once

#include <array>
#include <cstdint>

#include "ui/hit_map.h"
#include "ui/language_texts.h"
#include "ui/skin_images.h"

namespace quorvel {

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

namespace fixed_hover {
inline constexpr HoverGroup kOkApplyCancel = 1;
inline constexpr HoverGroup kPages = 2;
inline constexpr HoverGroup kSkins = 3;
inline constexpr HoverGroup kMinimise = 4;
inline constexpr HoverGroup kClose = 5;
}  // namespace fixed_hover

// In dispatch order. OK and Apply share the column x = 666, Apply and Cancel x = 770: a
// click there does both, in this order. Minimise stops before Close and the page buttons.
inline constexpr std::array<HitArea<FixedButton>, 9> kFixedButtons = {{
    {{562, 623, 667, 644},
     FixedButton::Ok,
     true,
     fixed_hover::kOkApplyCancel,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{666, 623, 771, 644},
     FixedButton::Apply,
     true,
     fixed_hover::kOkApplyCancel,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{701, 5, 719, 23},
     FixedButton::Skins,
     true,
     fixed_hover::kSkins,
     skin_image::kSkinsNormal,
     skin_image::kSkinsOver},
    {{825, 5, 843, 23},
     FixedButton::Minimise,
     false,
     fixed_hover::kMinimise,
     skin_image::kMinimiseNormal,
     skin_image::kMinimiseOver},
    {{850, 5, 868, 23},
     FixedButton::Close,
     false,
     fixed_hover::kClose,
     skin_image::kCloseNormal,
     skin_image::kCloseOver},
    {{20, 58, 60, 98},
     FixedButton::PreviousPage,
     false,
     fixed_hover::kPages,
     skin_image::kPreviousPageNormal,
     skin_image::kPreviousPageOver},
    {{70, 58, 110, 98},
     FixedButton::NextPage,
     false,
     fixed_hover::kPages,
     skin_image::kNextPageNormal,
     skin_image::kNextPageOver},
    {{770, 623, 875, 644},
     FixedButton::Cancel,
     true,
     fixed_hover::kOkApplyCancel,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {kWebLinkRect, FixedButton::WebLink, false, kNoHoverGroup, {}, {}},
}};

// A loop, not findArea: comparing a pointer with null is no constant expression under UBSan.
constexpr Rect rectOf(FixedButton button) {
    for (const HitArea<FixedButton>& area : kFixedButtons) {
        if (area.action == button)
            return area.rect;
    }
    return {};
}

}  // namespace quorvel
