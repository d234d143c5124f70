#include "platform/win32/clock_win32.h"
#include "real_clock.h"

namespace quorvel::bench {

std::unique_ptr<Clock> makeRealClock() {
    const bool optedOut = win32::optOutOfTimerThrottling();
    (void)optedOut;  // an older system simply has no throttling to opt out of
    return std::make_unique<win32::Win32Clock>();
}

std::string describeRealClock(const Clock& clock) {
    return static_cast<const win32::Win32Clock&>(clock).highResolution()
               ? "high-resolution waitable timer"
               : "waitable timer with timeBeginPeriod(1)";
}

}  // namespace quorvel::bench
