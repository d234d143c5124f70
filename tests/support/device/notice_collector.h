// Collects what the notification reader forwards, for tests that wait for it without
// sleeping blindly.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

namespace quorvel::testing {

class NoticeCollector {
  public:
    void add(std::uint8_t kind, std::uint8_t value) {
        {
            std::lock_guard lock(mutex_);
            seen_.emplace_back(kind, value);
        }
        arrived_.notify_all();
    }
    bool waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, std::chrono::seconds(10),
                                 [&] { return seen_.size() >= count; });
    }
    std::vector<std::pair<int, int>> seen() {
        std::lock_guard lock(mutex_);
        return seen_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::pair<int, int>> seen_;
};

}  // namespace quorvel::testing
