// The device link over the simulated mouse: what the mouse ends up holding, and the reader.
#include <gtest/gtest.h>

#include "config/dpi_tables.h"
#include "device/apply_sequence.h"
#include "device/notification_reader.h"
#include "sim/simulated_mouse.h"
#include "support/device/fake_clock.h"
#include "support/device/notice_collector.h"
#include "support/device/trace_recorder.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

using testing::FakeClock;
using testing::NoticeCollector;
using testing::RecordingMessageBox;
using testing::TraceRecorder;

MouseConfig richRecord() {
    MouseConfig config;
    applyDefaultAssignment(config);
    config.setReportRate(4);
    config.setLightingMode(lighting_mode::kNeon);
    config.setNeonParameter(2);
    config.setNeonEffect(neon_effect::kRgbFixedOn);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        config.setStageColour(stage, Colour{static_cast<std::uint8_t>(stage), 0x80, 0x7F});
        config.setDpiValueIndex(stage, static_cast<std::uint8_t>(stage * 2 - 1));
        config.setStageEnabled(stage, stage != 2);
    }
    for (int slot = 0; slot < kMacroSlotCount; ++slot)
        for (std::size_t i = 0; i < kMacroBlockSize; ++i)
            config.macroBlock(slot)[i] = static_cast<std::uint8_t>(slot * 16 + i);
    config.setFunctionCode(Mode::B, 6, codeByte(FunctionCode::MacroKey));
    config.setButtonField(Mode::B, ButtonField::MacroSlot, 6, 4);
    config.setButtonField(Mode::B, ButtonField::MacroRepeat, 6, 1);
    return config;
}

class DeviceOverSimulator : public ::testing::Test {
  protected:
    explicit DeviceOverSimulator(sim::SimOptions options = {}) : mouse_(std::move(options)) {}
    bool connect() { return link_.discoverDevice() && link_.handshake(); }

    sim::SimulatedMouse mouse_;
    RecordingMessageBox messages_;
    FakeClock clock_;
    TraceRecorder trace_;
    DeviceLink link_{mouse_, messages_, clock_};
    ApplyState state_;
};

TEST_F(DeviceOverSimulator, TheMouseHoldsWhatTheRecordImplies) {
    ASSERT_TRUE(connect());
    const int sensorType = link_.exchangeSensorInformation().sensorType;
    const MouseConfig config = richRecord();
    link_.setObserver(&trace_);
    mouse_.clearLog();
    applyToDevice(link_, config, sensorType, state_);

    const sim::FirmwareState s = mouse_.firmwareState();
    EXPECT_EQ(s.reportRate, 4);
    EXPECT_EQ(s.effect, 3);
    EXPECT_EQ(s.effectOption1, 3);
    EXPECT_EQ(s.slots[0], (LightingSlot{3, 5, 5}));
    const auto colours = config.stageColourBytes();
    EXPECT_TRUE(std::equal(colours.begin(), colours.end(), s.stageColours.begin()));
    for (std::size_t i = colours.size(); i < s.stageColours.size(); ++i)
        EXPECT_EQ(s.stageColours[i], 0);
    EXPECT_EQ(s.emptyColourBlocks, 1);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const std::uint8_t code = dpiCodeOfStage(config, stage, sensorType);
        EXPECT_EQ(s.dpiBlock[static_cast<std::size_t>(stage - 1)],
                  stage == 2 ? (code | 0x80) : code);
    }
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        const auto block = config.macroBlock(slot);
        EXPECT_TRUE(std::equal(block.begin(), block.end(),
                               s.macros[static_cast<std::size_t>(slot)].begin()))
            << slot;
        EXPECT_EQ(state_.transferBuffer[static_cast<std::size_t>(slot)],
                  s.macros[static_cast<std::size_t>(slot)]);
    }
    EXPECT_EQ(s.matrices[0], matrixBytes(keyMatrixFor(config, Mode::A)));
    EXPECT_EQ(s.matrices[2], matrixBytes(keyMatrixFor(config, Mode::B)));
    EXPECT_EQ(s.matrices[2][6 * 4], 0x09);
    EXPECT_EQ(s.matrices[2][6 * 4 + 2], 5);
    EXPECT_EQ(s.rejectedReports, 0) << "every report had a good check byte";

    // The mouse saw exactly what the link says it exchanged, and in the same order.
    EXPECT_EQ(mouse_.log(), trace_.exchanges());
}

TEST_F(DeviceOverSimulator, SensorTypeComesFromTheMouse) {
    sim::FirmwareState state = mouse_.firmwareState();
    state.sensor.sensorType = 3;
    mouse_.setFirmwareState(state);
    ASSERT_TRUE(connect());
    EXPECT_EQ(link_.exchangeSensorInformation().sensorType, 3);
    EXPECT_EQ(mouse_.firmwareState().sensor.option2 & kSensorOption2Bit, kSensorOption2Bit);
}

struct UnpluggedMidway : DeviceOverSimulator {
    static sim::SimOptions options() {
        sim::SimOptions o;
        o.unplugAfterFeatureSets = 2 + 12;  // handshake, then into the sequence
        return o;
    }
    UnpluggedMidway() : DeviceOverSimulator(options()) {}
};

TEST_F(UnpluggedMidway, TheSequenceRunsToItsEndWithoutTheMouse) {
    ASSERT_TRUE(connect());
    applyToDevice(link_, richRecord(), 0, state_);
    EXPECT_FALSE(mouse_.plugged());
    EXPECT_EQ(mouse_.featureSetsTaken(), 14);
    EXPECT_EQ(clock_.totalMs(), 10u + 68u + 3u * 58u) << "every wait still taken";
    EXPECT_EQ(link_.discover(), DiscoveryResult::NotFound);
    mouse_.plugIn();
    EXPECT_TRUE(connect());
}

struct LongReportMouse : DeviceOverSimulator {
    static sim::SimOptions options() {
        sim::SimOptions o;
        o.wireFault = sim::WireFault::LongReports;
        return o;
    }
    LongReportMouse() : DeviceOverSimulator(options()) {}
};

TEST_F(LongReportMouse, IsRefusedAtDiscovery) {
    EXPECT_EQ(link_.discover(), DiscoveryResult::NotFound);
    EXPECT_FALSE(link_.commandOpen());
    EXPECT_TRUE(messages_.shown.empty());
}

struct OtherDevicesFirst : DeviceOverSimulator {
    static sim::SimOptions options() {
        sim::SimOptions o;
        o.otherDevices = {
            {"kbd", {0x045E, 0x0750, 1}, {1, 6, 9, 2, 0}, sim::InterfaceRole::Other, true}};
        o.notificationFirst = false;
        return o;
    }
    OtherDevicesFirst() : DeviceOverSimulator(options()) {}
};

TEST_F(OtherDevicesFirst, CommandBeforeNotificationLeavesTheReaderWithoutAnInterface) {
    ASSERT_TRUE(connect());
    EXPECT_FALSE(link_.notificationOpen());
}

TEST_F(DeviceOverSimulator, ReaderForwardsOnlyTheMouseNotices) {
    ASSERT_TRUE(connect());
    NoticeCollector notices;
    NotificationReader reader(link_, [&](std::uint8_t k, std::uint8_t v) { notices.add(k, v); });
    reader.start();
    mouse_.sendNotification(6, 1);     // kind 6: not a notice
    mouse_.sendNotification(7, 2, 5);  // identifier 5
    mouse_.sendNotification(7, 2);
    mouse_.sendNotification(5, 8);
    mouse_.sendNotification(8, 1);
    mouse_.sendNotification(9, 12);
    ASSERT_TRUE(notices.waitFor(4));
    reader.stop();
    EXPECT_EQ(notices.seen(), (std::vector<std::pair<int, int>>{{7, 2}, {5, 8}, {8, 1}, {9, 12}}));
}

TEST_F(DeviceOverSimulator, ReaderSleepsWhileUnpluggedAndResumesAfterRediscovery) {
    ASSERT_TRUE(connect());
    NoticeCollector notices;
    NotificationReader reader(link_, [&](std::uint8_t k, std::uint8_t v) { notices.add(k, v); });
    reader.start();
    mouse_.sendNotification(7, 1);
    ASSERT_TRUE(notices.waitFor(1));

    mouse_.unplug();
    link_.setConnected(false);  // what the removal broadcast does
    EXPECT_FALSE(link_.discoverDevice());
    mouse_.plugIn();
    ASSERT_TRUE(connect());
    mouse_.sendNotification(7, 3);
    ASSERT_TRUE(notices.waitFor(2));
    reader.stop();
    EXPECT_EQ(notices.seen().back(), (std::pair<int, int>{7, 3}));
}

// The UI thread replaces the notification handle while the reader takes it; under the thread
// sanitizer this is the test that sees the two meet.
TEST_F(DeviceOverSimulator, RepeatedRediscoveryHandsTheRunningReaderEachNewHandle) {
    ASSERT_TRUE(connect());
    NoticeCollector notices;
    NotificationReader reader(link_, [&](std::uint8_t k, std::uint8_t v) { notices.add(k, v); });
    reader.start();
    constexpr int kRounds = 20;
    for (int round = 1; round <= kRounds; ++round) {
        link_.setConnected(false);  // the reader wakes, takes the handle and goes to sleep
        ASSERT_TRUE(connect()) << round;
        mouse_.sendNotification(notice::kMacroKey, static_cast<std::uint8_t>(round));
        ASSERT_TRUE(notices.waitFor(static_cast<std::size_t>(round))) << round;
    }
    reader.stop();
    ASSERT_EQ(notices.seen().size(), static_cast<std::size_t>(kRounds));
    EXPECT_EQ(notices.seen().back(), (std::pair<int, int>{notice::kMacroKey, kRounds}));
}

TEST_F(DeviceOverSimulator, ReaderStopsWhileNothingIsConnected) {
    NoticeCollector notices;
    NotificationReader reader(link_, [&](std::uint8_t k, std::uint8_t v) { notices.add(k, v); });
    reader.start();
    reader.stop();
    reader.stop();
    EXPECT_TRUE(notices.seen().empty());
}

TEST(NotificationFilter, ForwardsKinds5To9ButNot6OfReport6) {
    for (std::uint8_t kind = 0; kind < 20; ++kind) {
        const std::array<std::uint8_t, 4> report = {6, kind, 0, 1};
        const bool expected = kind == 5 || kind == 7 || kind == 8 || kind == 9;
        EXPECT_EQ(isForwardedNotification(report), expected) << int(kind);
    }
    EXPECT_FALSE(isForwardedNotification(std::array<std::uint8_t, 4>{5, 7, 0, 1}));
    EXPECT_FALSE(isForwardedNotification(std::array<std::uint8_t, 3>{6, 7, 0}));
}

}  // namespace
}  // namespace quorvel
