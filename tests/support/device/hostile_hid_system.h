// A HID system whose every answer comes from arbitrary input: the interface list, the
// attributes and declared report lengths, feature answers, chunks and notification reports.
// Once the input runs out every call fails or answers nothing, so a run always ends.
// The devices and events it hands out use its input and `idle`: it must outlive them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "device/hid_system.h"
#include "support/byte_source.h"

namespace quorvel::testing {

class HostileHidSystem : public HidSystem {
  public:
    explicit HostileHidSystem(ByteSource& source) : source_(source) {}

    std::unique_ptr<HidInterfaceList> listInterfaces() override;
    std::unique_ptr<HidDevice> open(std::string_view path, HidAccess access,
                                    HidIoMode mode) override;
    std::unique_ptr<WakeEvent> createEvent() override;

    // Runs where a real system would block until another thread acts: a wait on the event,
    // and a notification read once the input is used up. A single-threaded run stops its
    // reader here.
    std::function<void()> idle;

  private:
    ByteSource& source_;
};

}  // namespace quorvel::testing
