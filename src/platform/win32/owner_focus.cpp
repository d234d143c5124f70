#include "platform/win32/owner_focus.h"

namespace quorvel::win32 {
namespace {

// Wine sends a changed extended style to the window manager only with a frame change.
void setExtendedStyle(HWND window, LONG_PTR style) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, style);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

bool runningUnderWine() {
    static const bool wine = [] {
        const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}

OwnerFocusKeeper::OwnerFocusKeeper(HWND owner) {
    if (owner == nullptr || !runningUnderWine())
        return;
    const LONG_PTR style = GetWindowLongPtrW(owner, GWL_EXSTYLE);
    if ((style & WS_EX_TOOLWINDOW) == 0)
        return;
    owner_ = owner;
    savedStyle_ = style;
    setExtendedStyle(owner, style & ~WS_EX_TOOLWINDOW);
}

OwnerFocusKeeper::~OwnerFocusKeeper() {
    if (owner_ != nullptr && IsWindow(owner_))
        setExtendedStyle(owner_, savedStyle_);
}

}  // namespace quorvel::win32
