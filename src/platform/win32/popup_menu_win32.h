// A popup menu described as data, shown at the pointer for a window that hears the choice as
// WM_COMMAND.
#pragma once

#include <windows.h>

#include "app/popup_menu.h"

namespace quorvel::win32 {

// False when the system could not make the menu; nothing is shown then.
bool showPopupMenu(HWND owner, const PopupMenu& items);

}  // namespace quorvel::win32
