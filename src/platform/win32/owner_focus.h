// Keeps the keyboard with the main window when a box or dialog it owns closes.
//
// Windows gives the activation back to the owner itself. Under Wine an X window manager picks
// the next focused window, and openbox never picks one kept off the taskbar: the focus went to
// Wine's own tray window, and the keys typed next (a recording's) reached another program.
// While something owned is up, the owner is shown to the manager as an ordinary window; on
// Windows nothing changes, since there the style would put a button on the taskbar.
#pragma once

#include <windows.h>

namespace quorvel::win32 {

bool runningUnderWine();

class OwnerFocusKeeper {
  public:
    explicit OwnerFocusKeeper(HWND owner);
    ~OwnerFocusKeeper();
    OwnerFocusKeeper(const OwnerFocusKeeper&) = delete;
    OwnerFocusKeeper& operator=(const OwnerFocusKeeper&) = delete;

  private:
    HWND owner_ = nullptr;
    LONG_PTR savedStyle_ = 0;
};

}  // namespace quorvel::win32
