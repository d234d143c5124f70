#include "platform/win32/popup_menu_win32.h"

#include <string>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

// A menu reads "&" as the mark of a shortcut letter and a tab as the start of a shortcut
// column; names and errors mean them as they stand.
std::wstring menuText(const std::string& text) {
    std::wstring wide;
    for (wchar_t c : wideFromUtf8(text)) {
        if (c == L'&')
            wide += L"&&";
        else
            wide += c == L'\t' ? L' ' : c;
    }
    return wide;
}

bool appendItems(HMENU menu, const PopupMenu& items) {
    for (const PopupMenuItem& item : items) {
        const std::wstring text = menuText(item.text);
        switch (item.kind) {
            case PopupMenuItem::Kind::Separator:
                if (!AppendMenuW(menu, MF_SEPARATOR, 0, nullptr))
                    return false;
                break;
            case PopupMenuItem::Kind::Submenu: {
                UniqueMenu submenu(CreatePopupMenu());
                if (!submenu || !appendItems(submenu.get(), item.items))
                    return false;
                const UINT flags = MF_POPUP | MF_STRING | (item.greyed ? MF_GRAYED : 0);
                if (!AppendMenuW(menu, flags, reinterpret_cast<UINT_PTR>(submenu.get()),
                                 text.c_str())) {
                    return false;
                }
                // The parent destroys it from now on.
                (void)submenu.release();
                break;
            }
            case PopupMenuItem::Kind::Command: {
                const UINT flags =
                    MF_STRING | (item.checked ? MF_CHECKED : 0) | (item.greyed ? MF_GRAYED : 0);
                if (!AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.command), text.c_str()))
                    return false;
                break;
            }
        }
    }
    return true;
}

}  // namespace

bool showPopupMenu(HWND owner, const PopupMenu& items) {
    POINT cursor{};
    // Without the pointer's place the menu opens at the screen's corner, still usable.
    (void)GetCursorPos(&cursor);
    UniqueMenu menu(CreatePopupMenu());
    // A menu missing items could offer a wrong command in a wrong place: show none.
    if (!menu || !appendItems(menu.get(), items))
        return false;
    // Without it the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    // The choice arrives as WM_COMMAND; dismissing the menu chooses nothing.
    (void)TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0,
                         owner, nullptr);
    // Without a message after it, the next tray menu can fail to close when the user clicks
    // elsewhere.
    PostMessageW(owner, WM_NULL, 0, 0);
    return true;
}

}  // namespace quorvel::win32
