#include "platform/win32/dialog_window.h"

namespace quorvel::win32 {

DialogWindow::~DialogWindow() {
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
}

INT_PTR DialogWindow::runModal(HINSTANCE instance, int templateId, HWND owner) {
    ended_ = false;
    endCode_ = 0;
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    hwnd_ = CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), owner, &dialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (hwnd_ == nullptr) {
        if (ownerWasEnabled)
            EnableWindow(owner, TRUE);
        return -1;
    }
    if (!ended_)
        onCreated();
    MSG msg;
    while (!ended_ && IsWindow(hwnd_)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to an outer loop; put it back for it.
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (preTranslateMessage(msg))
            continue;
        if (IsDialogMessageW(hwnd_, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    // The owner takes the activation back before the dialog goes, as the system's own modal
    // dialogs do; left to a window manager it can land elsewhere (the tray), and the keys
    // typed next (a recording) would go there. A refusal leaves it where the manager puts it.
    if (owner != nullptr && IsWindowVisible(owner))
        (void)SetForegroundWindow(owner);
    if (hwnd_ != nullptr && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    return endCode_;
}

void DialogWindow::endModal(INT_PTR code) {
    endCode_ = code;
    ended_ = true;
    // Wakes the loop, which may be waiting for a message.
    if (hwnd_ != nullptr)
        PostMessageW(hwnd_, WM_NULL, 0, 0);
}

namespace {

// The dialog messages whose answer is the procedure's return value, not DWLP_MSGRESULT.
bool answersDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return true;
        default:
            return false;
    }
}

}  // namespace

INT_PTR CALLBACK DialogWindow::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = window;
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    LRESULT result = 0;
    const bool handled = self->onMessage(message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    if (!handled)
        return FALSE;
    if (answersDirectly(message))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace quorvel::win32
