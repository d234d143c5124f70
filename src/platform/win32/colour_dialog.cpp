#include "platform/win32/colour_dialog.h"

#include <commdlg.h>

#include <array>

#include "platform/win32/colour_ref.h"
#include "platform/win32/system_library.h"

namespace quorvel::win32 {

std::optional<Colour> runColourDialog(HWND owner, Colour initial) {
    // The dialog's sixteen custom colours live as long as the program, as the user expects.
    static std::array<COLORREF, 16> customColours{};
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.rgbResult = colorRef(initial);
    choice.lpCustColors = customColours.data();
    choice.Flags = CC_RGBINIT;
    // Loaded from the system directory when first needed: an import would be resolved at
    // start-up from beside the exe, where a planted comdlg32.dll could sit.
    static const SystemLibrary library(L"comdlg32.dll");
    const auto choose = library.function<BOOL WINAPI(LPCHOOSECOLORW)>("ChooseColorW");
    if (choose == nullptr || !choose(&choice))
        return std::nullopt;  // cancelled, or the dialog could not be shown: nothing changes
    return colourOfRef(choice.rgbResult);
}

}  // namespace quorvel::win32
