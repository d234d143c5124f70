// The real clock on POSIX systems: monotonic, with absolute-deadline sleeps.
#pragma once

#include "ports/clock.h"

namespace quorvel::posix {

class PosixClock : public Clock {
  public:
    void sleepMs(std::uint32_t ms) override;
    std::chrono::nanoseconds now() const override;
};

}  // namespace quorvel::posix
