// The real clock on Windows: 2 ms must be about 2 ms, not a 15.6 ms timer tick.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "ports/clock.h"

namespace quorvel::win32 {

class Win32Clock : public Clock {
  public:
    Win32Clock();
    ~Win32Clock() override;
    Win32Clock(const Win32Clock&) = delete;
    Win32Clock& operator=(const Win32Clock&) = delete;

    void sleepMs(std::uint32_t ms) override;
    std::chrono::nanoseconds now() const override;
    // Without a high-resolution timer the system tick is raised to 1 ms for the duration.
    void beginPreciseWaits() override;
    void endPreciseWaits() override;

    bool highResolution() const { return highResolution_; }

  private:
    UniqueKernelHandle timer_;
    bool highResolution_ = false;
    LARGE_INTEGER frequency_{};
    int preciseDepth_ = 0;
    bool periodRaised_ = false;
    // winmm only for the fallback, loaded from System32 when first needed.
    std::unique_ptr<SystemLibrary> winmm_;
};

// Asks Windows not to coarsen this process's timer requests when its window is hidden
// (the program lives in the tray). False where the system has no such setting.
bool optOutOfTimerThrottling();

}  // namespace quorvel::win32
