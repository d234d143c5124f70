// A portable manual-reset event for the backends without a system event (hidapi, simulator).
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "device/hid_system.h"

namespace quorvel {

class ManualResetEvent : public WakeEvent {
  public:
    void set() override;
    void reset() override;
    void wait() override;
    bool isSet() const override;
    // True when the event was set before the time ran out.
    bool waitFor(std::chrono::milliseconds timeout);

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
};

}  // namespace quorvel
