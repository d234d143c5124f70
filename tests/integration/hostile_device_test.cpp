// Misbehaving mice, each taken through the whole link: discovery, handshake, Apply and the
// notification reader. Every case must end, with the outcome the link promises, and without
// real time: the clock is fake, so an extra or unbounded wait shows up in its total.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "device/apply_sequence.h"
#include "device/notification_reader.h"
#include "sim/simulated_mouse.h"
#include "support/device/fake_clock.h"
#include "support/device/notice_collector.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

using testing::FakeClock;
using testing::NoticeCollector;
using testing::RecordingMessageBox;

// The protocol's own waits: both handshake passes, and Apply's steps and chunks.
constexpr std::uint32_t kHandshakePassMs = kHandshakeWaitMs;
constexpr std::uint32_t kApplyWaitsMs = 68 + kChunkWriteWaitMs * 58;
// Feature writes of one Apply: rate, effect read, two slot reads, two colour blocks, two slot
// writes, effect write, DPI block, twelve macro writes and reads, four matrices.
constexpr int kApplyFeatureSets = 38;
constexpr int kHandshakeFeatureSets = 2;

struct HostileCase {
    std::string name;
    sim::SimOptions options;
    DiscoveryResult discovery = DiscoveryResult::Found;
    int handshakePasses = 2;  // 0: discovery failed, the handshake is not run
    bool accepted = true;
    bool forwardsNotices = true;
    // Chunk reads Apply asks of the command interface; on a real one each may wait out its
    // time-out, so their number bounds how long a hostile mouse can hold the window.
    int commandReads = kMacroSlotCount * 4;
};

sim::SimOptions wire(sim::WireFault fault) {
    sim::SimOptions o;
    o.wireFault = fault;
    return o;
}
sim::SimOptions readBack(sim::ReadBackFault fault) {
    sim::SimOptions o;
    o.readBackFault = fault;
    return o;
}
sim::SimOptions unpluggedAfter(std::size_t featureSets) {
    sim::SimOptions o;
    o.unplugAfterFeatureSets = featureSets;
    return o;
}
sim::SimOptions longNotifications() {
    sim::SimOptions o;
    o.notificationLength = sim::kLongReportLength;
    return o;
}

// Test names and failure output name the case, not its bytes.
void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<HostileCase> hostileCases() {
    return {
        {"Healthy", {}},
        // Answers nothing: the scrambled pass finds no echo.
        {"Silent", wire(sim::WireFault::Silent), DiscoveryResult::Found, 2, false, false, 0},
        // Answers the plain pass in kind: refused after one pass.
        {"PlainEcho", wire(sim::WireFault::PlainEcho), DiscoveryResult::Found, 1, false, false},
        // Declares command reports longer than the link's buffers: not taken for the mouse.
        {"LongReports", wire(sim::WireFault::LongReports), DiscoveryResult::NotFound, 0, false,
         false, 0},
        {"LongNotifications", longNotifications()},
        {"ReadBackSlotZero", readBack(sim::ReadBackFault::SlotZero)},
        {"ReadBackSlotThirteen", readBack(sim::ReadBackFault::SlotThirteen)},
        {"ReadBackLength255", readBack(sim::ReadBackFault::Length255), DiscoveryResult::Found, 2,
         true, true, kMacroSlotCount * 8},
        // Announces a whole macro and sends nothing: one read per block finds that out.
        {"ReadBackWithoutData", readBack(sim::ReadBackFault::NoData), DiscoveryResult::Found, 2,
         true, true, kMacroSlotCount},
        // Gone between the two handshake passes.
        {"UnpluggedInHandshake", unpluggedAfter(1), DiscoveryResult::Found, 2, false, false, 0},
        // Gone in the middle of the macro writes; the reader's reads end without data. The
        // zero answers unscramble into some length, and one read per block finds no data.
        {"UnpluggedInApply", unpluggedAfter(kHandshakeFeatureSets + 12), DiscoveryResult::Found, 2,
         true, false, kMacroSlotCount},
    };
}

MouseConfig recordWithMacros() {
    MouseConfig config;
    applyDefaultAssignment(config);
    config.setLightingMode(lighting_mode::kStandard);
    for (std::size_t i = 0; i < config.macroTable().size(); ++i)
        config.macroTable()[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return config;
}

class HostileDevice : public ::testing::TestWithParam<HostileCase> {
  protected:
    HostileDevice() : mouse_(GetParam().options) {
        link_.setNoticeHandler(
            [this](std::uint8_t kind, std::uint8_t) { linkNotices_.push_back(kind); });
    }

    sim::SimulatedMouse mouse_;
    RecordingMessageBox messages_;
    FakeClock clock_;
    DeviceLink link_{mouse_, messages_, clock_};
    ApplyState state_;
    std::vector<std::uint8_t> linkNotices_;
};

TEST_P(HostileDevice, EndsWithTheOutcomeTheLinkPromises) {
    const HostileCase& c = GetParam();

    ASSERT_EQ(link_.discover(), c.discovery);
    EXPECT_EQ(link_.commandOpen(), c.discovery == DiscoveryResult::Found);
    if (c.handshakePasses > 0) {
        EXPECT_EQ(link_.handshake(), c.accepted);
        EXPECT_EQ(linkNotices_,
                  (std::vector<std::uint8_t>{c.accepted ? notice::kMouseDetected
                                                        : notice::kMouseNotDetected}));
    } else {
        link_.setConnected(false);  // what the caller does with a failed discovery
    }
    EXPECT_EQ(link_.connected(), c.accepted);
    EXPECT_EQ(link_.scrambling(), c.accepted);
    EXPECT_EQ(clock_.totalMs(), kHandshakePassMs * static_cast<std::uint32_t>(c.handshakePasses));
    EXPECT_TRUE(messages_.shown.empty()) << "a misbehaving mouse is no system failure";

    // The window only applies while connected; the link must survive it either way.
    const MouseConfig config = recordWithMacros();
    const int setsBefore = mouse_.featureSetsTaken();
    applyToDevice(link_, config, 0, state_);
    EXPECT_EQ(clock_.totalMs(),
              kHandshakePassMs * static_cast<std::uint32_t>(c.handshakePasses) + kApplyWaitsMs)
        << "every wait is the protocol's own, none waits on the device";
    const auto sets = static_cast<std::size_t>(mouse_.featureSetsTaken());
    if (c.options.unplugAfterFeatureSets)
        EXPECT_EQ(sets, *c.options.unplugAfterFeatureSets);
    else if (c.discovery == DiscoveryResult::Found)
        EXPECT_EQ(mouse_.featureSetsTaken() - setsBefore, kApplyFeatureSets);
    else
        EXPECT_EQ(sets, 0u);
    EXPECT_EQ(mouse_.commandReadsTaken(), c.commandReads);
    // Whatever the read-back named, the transfer buffer holds exactly the blocks sent:
    // answers that do not fit are dropped or clipped, never written past a slot.
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        const auto sent = config.macroBlock(slot);
        EXPECT_TRUE(std::equal(sent.begin(), sent.end(),
                               state_.transferBuffer[static_cast<std::size_t>(slot)].begin()))
            << "slot " << slot;
    }

    NoticeCollector forwarded;
    NotificationReader reader(link_, [&](std::uint8_t k, std::uint8_t v) { forwarded.add(k, v); });
    reader.start();
    mouse_.sendNotification(6, 1);  // not a notice
    mouse_.sendNotification(notice::kDpiStageChanged, 2);
    mouse_.sendNotification(notice::kMacroKey, 12);
    if (c.forwardsNotices) {
        ASSERT_TRUE(forwarded.waitFor(2));
    }
    reader.stop();
    const auto expected = c.forwardsNotices ? std::vector<std::pair<int, int>>{{7, 2}, {9, 12}}
                                            : std::vector<std::pair<int, int>>{};
    EXPECT_EQ(forwarded.seen(), expected);
}

INSTANTIATE_TEST_SUITE_P(FaultModes, HostileDevice, ::testing::ValuesIn(hostileCases()),
                         [](const auto& test) { return test.param.name; });

// The mouse vanishing after any number of feature writes, from the first handshake pass to
// the last one of Apply: every run ends, takes only the protocol's waits, and a mouse
// plugged in again is found and accepted.
TEST(UnpluggedAtEveryExchange, EveryRunEndsAndTheMouseIsFoundAgain) {
    for (int after = 0; after < kHandshakeFeatureSets + kApplyFeatureSets; ++after) {
        SCOPED_TRACE("unplugged after " + std::to_string(after) + " feature writes");
        sim::SimulatedMouse mouse(unpluggedAfter(static_cast<std::size_t>(after)));
        RecordingMessageBox messages;
        FakeClock clock;
        DeviceLink link(mouse, messages, clock);
        ApplyState state;

        ASSERT_TRUE(link.discoverDevice());
        EXPECT_EQ(link.handshake(), after >= kHandshakeFeatureSets);
        applyToDevice(link, recordWithMacros(), 0, state);
        EXPECT_EQ(clock.totalMs(), 2 * kHandshakePassMs + kApplyWaitsMs);
        EXPECT_EQ(mouse.featureSetsTaken(), after);
        EXPECT_FALSE(mouse.plugged()) << "the last write found the mouse gone";

        link.setConnected(false);  // the removal broadcast
        EXPECT_EQ(link.discover(), DiscoveryResult::NotFound);
        mouse.plugIn();
        EXPECT_TRUE(link.discoverDevice() && link.handshake());
        EXPECT_TRUE(messages.shown.empty());
    }
}

}  // namespace
}  // namespace quorvel
