#include "platform/win32/sub_dialog_window.h"

#include <windowsx.h>

#include <array>
#include <utility>

namespace quorvel::win32 {

struct SubDialogTable {
    static constexpr std::array<MessageEntry<SubDialogWindow>, 5> kEntries = {{
        {WM_INITDIALOG, &SubDialogWindow::onInitDialog},
        {WM_ERASEBKGND, &SubDialogWindow::onEraseBackground},
        {WM_LBUTTONDOWN, &SubDialogWindow::onLButtonDown},
        {WM_COMMAND, &SubDialogWindow::onCommand},
        {WM_CLOSE, &SubDialogWindow::onClose},
    }};
};

SubDialogWindow::SubDialogWindow(HINSTANCE instance, ModalDialog& dialog, std::string skinDirectory,
                                 MessageBoxPort& messages)
    : instance_(instance),
      dialog_(dialog),
      skinDirectory_(std::move(skinDirectory)),
      messages_(messages) {}

DialogEnd SubDialogWindow::run(HWND owner) {
    const INT_PTR end = runModal(instance_, dialog_.templateId(), owner);
    return end == static_cast<INT_PTR>(DialogEnd::Ok) ? DialogEnd::Ok : DialogEnd::Cancel;
}

void SubDialogWindow::endDialog(DialogEnd end) {
    endModal(static_cast<INT_PTR>(end));
}

bool SubDialogWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return dispatchMessage<SubDialogWindow>(*this, SubDialogTable::kEntries, message, wParam,
                                            lParam, result);
}

bool SubDialogWindow::preTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && (msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd)))
        return dialog_.consumesKeyDown(static_cast<unsigned>(msg.wParam));
    return false;
}

void SubDialogWindow::onCreated() {
    // The templates are not visible; the run shows the dialog once it is set up.
    ShowWindow(hwnd(), SW_SHOW);
}

bool SubDialogWindow::onInitDialog(WPARAM, LPARAM, LRESULT& result) {
    result = TRUE;
    if (!setUpBackground(hwnd(), skinDirectory_ + std::string(dialog_.backgroundImage()),
                         surface_)) {
        messages_.show(kBackgroundErrorText, dialog_.loadFailureCaption());
        // Sized to a missing image the dialog would be an invisible modal window that
        // nothing can reach: end it as cancelled instead.
        endDialog(DialogEnd::Cancel);
        return true;
    }
    dialog_.onInit(*this);
    return true;
}

bool SubDialogWindow::onEraseBackground(WPARAM wParam, LPARAM, LRESULT& result) {
    result = eraseBackground(hwnd(), reinterpret_cast<HDC>(wParam), surface_);
    return true;
}

bool SubDialogWindow::onLButtonDown(WPARAM, LPARAM lParam, LRESULT&) {
    routeDialogPress(dialog_, *this, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return true;
}

bool SubDialogWindow::onCommand(WPARAM wParam, LPARAM, LRESULT&) {
    // The dialog manager's Enter and Escape; only the OK button confirms.
    if (LOWORD(wParam) == IDCANCEL)
        dialog_.onCancelRequest(*this);
    return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
}

bool SubDialogWindow::onClose(WPARAM, LPARAM, LRESULT&) {
    dialog_.onCancelRequest(*this);
    return true;
}

}  // namespace quorvel::win32
