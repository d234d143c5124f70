#include "platform/win32/tray_icon.h"

#include <cwchar>
#include <string>

#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

template <std::size_t N>
void copyInto(wchar_t (&target)[N], std::string_view text) {
    const std::wstring wide = wideFromUtf8(text);
    // The shell's fields are fixed-size; a longer text is cut, never overrun.
    wcsncpy(target, wide.c_str(), N - 1);
    target[N - 1] = L'\0';
}

}  // namespace

bool TrayIcon::add(HWND window, HICON icon, std::string_view tip) {
    data_ = NOTIFYICONDATAW{};
    data_.cbSize = sizeof(data_);
    data_.hWnd = window;
    data_.uID = 1;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kTrayNotifyMessage;
    data_.hIcon = icon;
    copyInto(data_.szTip, tip);
    added_ = Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
    return added_;
}

bool TrayIcon::showBalloon(std::string_view text, std::string_view title, unsigned timeoutMs) {
    copyInto(data_.szInfo, text);
    copyInto(data_.szInfoTitle, title);
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data_.dwInfoFlags = NIIF_INFO;
    data_.uTimeout = timeoutMs;
    return Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE;
}

bool TrayIcon::setTip(std::string_view tip) {
    copyInto(data_.szTip, tip);
    if (!added_)
        return false;
    // Without NIF_INFO: the last balloon must not show again.
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE;
}

void TrayIcon::remove() {
    if (!added_)
        return;
    added_ = false;
    // Nothing to do if the shell already dropped it.
    (void)Shell_NotifyIconW(NIM_DELETE, &data_);
}

}  // namespace quorvel::win32
