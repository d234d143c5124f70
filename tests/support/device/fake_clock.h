// A clock that only records: every wait asked for, and the brackets around them.
#pragma once

#include <cstdint>
#include <numeric>
#include <vector>

#include "ports/clock.h"

namespace quorvel::testing {

class FakeClock : public Clock {
  public:
    void sleepMs(std::uint32_t ms) override {
        waits.push_back(ms);
        now_ += std::chrono::milliseconds(ms);
    }
    std::chrono::nanoseconds now() const override { return now_; }
    void beginPreciseWaits() override { ++preciseBegun; }
    void endPreciseWaits() override { ++preciseEnded; }

    std::uint32_t totalMs() const { return std::accumulate(waits.begin(), waits.end(), 0u); }

    std::vector<std::uint32_t> waits;
    int preciseBegun = 0;
    int preciseEnded = 0;

  private:
    std::chrono::nanoseconds now_{0};
};

}  // namespace quorvel::testing
