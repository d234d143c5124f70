#include "platform/win32/page_window_services.h"

#include <array>

#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

std::string PageWindowServices::caption() const {
    std::array<wchar_t, 256> text{};
    if (window_ == nullptr || GetWindowTextW(window_, text.data(), text.size()) == 0)
        return {};
    return utf8FromWide(text.data());
}

void PageWindowServices::setCaption(std::string_view text) {
    if (window_ != nullptr)
        SetWindowTextW(window_, wideFromUtf8(text).c_str());
}

bool PageWindowServices::chooseItemMenu(std::string_view itemText) {
    if (window_ == nullptr)
        return false;
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return false;
    AppendMenuW(menu, MF_STRING, macro_controls::kDeleteItemCommand,
                wideFromUtf8(itemText).c_str());
    POINT cursor{};
    GetCursorPos(&cursor);
    // The choice comes back here rather than as a command message to the window.
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
        cursor.x, cursor.y, 0, window_, nullptr));
    DestroyMenu(menu);
    return chosen == static_cast<UINT>(macro_controls::kDeleteItemCommand);
}

}  // namespace quorvel::win32
