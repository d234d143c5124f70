// Which program is in front: a WinEvent hook for the foreground change and, because Wine 8
// does not send that event, a look at the foreground window every 500 ms. Both run on the
// user-interface thread and exist only while watching.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "app/profile_switcher.h"

namespace quorvel::win32 {

inline constexpr UINT kForegroundPollMs = 500;

// The exe file name of the process that owns `window`; "" when unknown or this process.
std::string programOfWindow(HWND window);

class ForegroundWatch : public ForegroundWatchPort {
  public:
    // `changed` gets the exe file name each time another program's window comes to the front.
    explicit ForegroundWatch(std::function<void(std::string_view)> changed);
    ~ForegroundWatch() override;
    ForegroundWatch(const ForegroundWatch&) = delete;
    ForegroundWatch& operator=(const ForegroundWatch&) = delete;

    void startWatching() override;
    void stopWatching() override;
    std::string foregroundProgram() override;

  private:
    static void CALLBACK onEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    static void CALLBACK onTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
    void look();

    std::function<void(std::string_view)> changed_;
    HWINEVENTHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    // The last window of another program seen in front; ours (the tray menu) leave it be.
    HWND last_ = nullptr;
};

}  // namespace quorvel::win32
