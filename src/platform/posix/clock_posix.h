// The real clock on POSIX systems: monotonic, with absolute-deadline sleeps.
#pragma once

#include <atomic>

#include "ports/clock.h"

namespace quorvel::posix {

class PosixClock : public Clock {
  public:
    void sleepMs(std::uint32_t ms) override;
    std::chrono::nanoseconds now() const override;

  private:
    // How late the recent sleeps woke, in nanoseconds: the next sleep ends that much early
    // and the rest is waited out awake, so a 3 ms wait stays near 3 ms.
    std::atomic<long> lateness_{50'000};
};

}  // namespace quorvel::posix
