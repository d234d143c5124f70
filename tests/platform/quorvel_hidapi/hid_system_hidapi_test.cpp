// The hidapi backend on this machine, which has no such mouse: the walk finds nothing.
#include <gtest/gtest.h>

#include "device/device_link.h"
#include "platform/hidapi/hid_system_hidapi.h"
#include "support/device/fake_clock.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

TEST(HidapiSystem, DiscoveryFindsNoMouseAndSaysNothing) {
    hidapi::HidapiSystem system;
    testing::RecordingMessageBox messages;
    testing::FakeClock clock;
    DeviceLink link(system, messages, clock);
    const DiscoveryResult result = link.discover();
    EXPECT_TRUE(result == DiscoveryResult::NotFound || result == DiscoveryResult::ListUnavailable);
    EXPECT_FALSE(link.commandOpen());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(
        system.open("/dev/hidraw-none|ff00:ff00", HidAccess::ReadWrite, HidIoMode::Synchronous),
        nullptr);
}

}  // namespace
}  // namespace quorvel
