// The one tray icon of the main window and its balloons.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string_view>

namespace quorvel::win32 {

inline constexpr UINT kTrayNotifyMessage = 0x0401;

class TrayIcon {
  public:
    TrayIcon() = default;
    ~TrayIcon() { remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    bool add(HWND window, HICON icon, std::string_view tip);
    bool showBalloon(std::string_view text, std::string_view title, unsigned timeoutMs);
    // False when the icon is not in the tray or the shell refused.
    bool setTip(std::string_view tip);
    void remove();

  private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
};

}  // namespace quorvel::win32
