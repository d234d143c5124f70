// A device handle that one thread replaces while another takes copies of it.
#pragma once

#include <memory>
#include <mutex>

#include "device/hid_system.h"

namespace quorvel {

// std::atomic<std::shared_ptr> would do, but GCC 12's releases its lock with relaxed order
// after a load, so a load and a later store race on the pointer; a plain mutex is exact.
class SharedDeviceHandle {
  public:
    std::shared_ptr<HidDevice> load() const {
        std::lock_guard lock(mutex_);
        return handle_;
    }
    // The old handle is released outside the lock: closing a device may take a while.
    void store(std::shared_ptr<HidDevice> handle) {
        {
            std::lock_guard lock(mutex_);
            handle_.swap(handle);
        }
    }

  private:
    mutable std::mutex mutex_;
    std::shared_ptr<HidDevice> handle_;
};

}  // namespace quorvel
