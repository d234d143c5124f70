// The worker that waits for the mouse's notification reports and hands each one on.
#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <thread>

#include "device/device_link.h"

namespace quorvel {

// Identifier 6 with kind 5, 7, 8 or 9; every other report is ignored.
bool isForwardedNotification(std::span<const std::uint8_t> report);

class NotificationReader {
  public:
    // `forward` runs on the reader's thread and should return once the notice is handled.
    NotificationReader(DeviceLink& link, NoticeHandler forward);
    ~NotificationReader();
    NotificationReader(const NotificationReader&) = delete;
    NotificationReader& operator=(const NotificationReader&) = delete;

    // False, and no thread, when the link has no event to wait on.
    bool start();
    // Ends the loop and joins the thread; safe to call more than once.
    void stop();
    // The loop itself, for a caller that brings its own thread.
    void run();

  private:
    DeviceLink& link_;
    NoticeHandler forward_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace quorvel
