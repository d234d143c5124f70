#include "platform/win32/page_window_services.h"

#include <array>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

std::string PageWindowServices::caption() const {
    std::array<wchar_t, 256> text{};
    const HWND owner = window();
    if (owner == nullptr || GetWindowTextW(owner, text.data(), text.size()) == 0)
        return {};
    return utf8FromWide(text.data());
}

void PageWindowServices::setCaption(std::string_view text) {
    // The caption is only a hint while recording; a refusal changes nothing else.
    if (const HWND owner = window())
        (void)SetWindowTextW(owner, wideFromUtf8(text).c_str());
}

bool PageWindowServices::chooseItemMenu(std::string_view itemText) {
    const HWND owner = window();
    if (owner == nullptr)
        return false;
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return false;
    // A menu without its item would offer nothing to choose: show none, delete nothing.
    if (AppendMenuW(menu.get(), MF_STRING, macro_controls::kDeleteItemCommand,
                    wideFromUtf8(itemText).c_str()) == FALSE)
        return false;
    POINT cursor{};
    if (GetCursorPos(&cursor) == FALSE)
        return false;
    // The choice comes back here rather than as a command message to the window.
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
        cursor.x, cursor.y, 0, owner, nullptr));
    return chosen == static_cast<UINT>(macro_controls::kDeleteItemCommand);
}

}  // namespace quorvel::win32
