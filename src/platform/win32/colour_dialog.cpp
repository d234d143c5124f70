#include "platform/win32/colour_dialog.h"

#include <commdlg.h>

#include <array>

namespace quorvel::win32 {

std::optional<Colour> runColourDialog(HWND owner, Colour initial) {
    // The dialog's sixteen custom colours live as long as the program, as the user expects.
    static std::array<COLORREF, 16> customColours{};
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.rgbResult = initial;
    choice.lpCustColors = customColours.data();
    choice.Flags = CC_RGBINIT;
    if (!ChooseColorW(&choice))
        return std::nullopt;  // cancelled, or the dialog could not be shown: nothing changes
    return static_cast<Colour>(choice.rgbResult);
}

}  // namespace quorvel::win32
