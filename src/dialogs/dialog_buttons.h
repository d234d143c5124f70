// The three buttons every sub-dialog shares, at the same place in each: OK confirms, Cancel
// and the close button cancel. OK and Cancel light up as one group, close alone.
#pragma once

#include <array>
#include <cstdint>

#include "ui/hit_map.h"
#include "ui/skin_images.h"
#include "ui/skinned_window.h"

namespace quorvel {

enum class DialogButton : std::uint8_t { Ok, Cancel, Close };

namespace dialog_hover {
inline constexpr HoverGroup kOkCancel = 1;
inline constexpr HoverGroup kClose = 2;
}  // namespace dialog_hover

// OK and Cancel share the column x = 270, where OK wins.
inline constexpr std::array<HitArea<DialogButton>, 3> kDialogButtons = {{
    {{166, 253, 271, 274},
     DialogButton::Ok,
     false,
     dialog_hover::kOkCancel,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{270, 253, 375, 274},
     DialogButton::Cancel,
     false,
     dialog_hover::kOkCancel,
     skin_image::kButtonNormal,
     skin_image::kButtonOver},
    {{352, 6, 370, 24},
     DialogButton::Close,
     false,
     dialog_hover::kClose,
     skin_image::kCloseNormal,
     skin_image::kCloseOver},
}};

constexpr DialogEnd dialogEndFor(DialogButton button) {
    return button == DialogButton::Ok ? DialogEnd::Ok : DialogEnd::Cancel;
}

}  // namespace quorvel
