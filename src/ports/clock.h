// Waits and a monotonic time. A wait is a minimum: the device protocol counts on it.
#pragma once

#include <chrono>
#include <cstdint>

namespace quorvel {

class Clock {
  public:
    virtual ~Clock() = default;
    // Returns no earlier than `ms` milliseconds after the call.
    virtual void sleepMs(std::uint32_t ms) = 0;
    virtual std::chrono::nanoseconds now() const = 0;
    // Brackets a run of short waits; a backend that must raise the system timer resolution
    // to keep 2 ms near 2 ms does it here, and only here.
    virtual void beginPreciseWaits() {}
    virtual void endPreciseWaits() {}
};

class PreciseWaits {
  public:
    explicit PreciseWaits(Clock& clock) : clock_(clock) { clock_.beginPreciseWaits(); }
    ~PreciseWaits() { clock_.endPreciseWaits(); }
    PreciseWaits(const PreciseWaits&) = delete;
    PreciseWaits& operator=(const PreciseWaits&) = delete;

  private:
    Clock& clock_;
};

}  // namespace quorvel
