#include <gtest/gtest.h>

#include "device/device_link.h"
#include "device/notification_reader.h"
#include "support/device/fake_clock.h"
#include "support/device/scripted_hid_system.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

using testing::FakeClock;
using testing::mouseCommand;
using testing::mouseNotification;
using testing::otherDevice;
using testing::RecordingMessageBox;
using testing::ScriptedHidSystem;
using testing::ScriptedInterface;

class Discovery : public ::testing::Test {
  protected:
    DiscoveryResult discover() {
        link_ = std::make_unique<DeviceLink>(system_, messages_, clock_);
        return link_->discover();
    }
    void expectNoMessage() { EXPECT_TRUE(messages_.shown.empty()); }
    void expectMessage(std::string_view text) {
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].text, text);
        EXPECT_EQ(messages_.shown[0].caption, kAppTitle);
    }

    ScriptedHidSystem system_;
    RecordingMessageBox messages_;
    FakeClock clock_;
    std::unique_ptr<DeviceLink> link_;
};

TEST_F(Discovery, OtherDevicesOnlyAreAllProbedAndNothingIsFound) {
    system_.interfaces = {otherDevice("kbd"), otherDevice("mouse"),
                          otherDevice("same vendor", kMouseVendorId, 0x1234)};
    EXPECT_EQ(discover(), DiscoveryResult::NotFound);
    EXPECT_FALSE(link_->discoverDevice());
    for (const char* path : {"kbd", "mouse", "same vendor"})
        EXPECT_EQ(system_.probesOf(path), 2);
    EXPECT_FALSE(link_->commandOpen());
    EXPECT_FALSE(link_->connected());
    EXPECT_EQ(link_->devicePath(), "same vendor");
    EXPECT_EQ(system_.openDevices, 0) << "probe handles are closed at once";
    expectNoMessage();
}

TEST_F(Discovery, NotificationBeforeCommandOpensBothInOnePass) {
    system_.interfaces = {otherDevice("kbd"), mouseNotification(7), mouseCommand()};
    EXPECT_EQ(discover(), DiscoveryResult::Found);
    EXPECT_TRUE(link_->commandOpen());
    EXPECT_TRUE(link_->notificationOpen());
    EXPECT_EQ(link_->notificationReportLength(), 7);
    EXPECT_EQ(link_->featureReportLength(), 9);
    EXPECT_EQ(link_->inputReportLength(), 33);
    EXPECT_EQ(link_->outputReportLength(), 33);
    EXPECT_EQ(link_->devicePath(), mouseCommand().path);
    EXPECT_TRUE(link_->connected());
    EXPECT_GE(system_.event->sets, 1) << "a waiting reader is woken";
    expectNoMessage();

    // The probe asks for no rights; the notification interface is read and write,
    // overlapped; the command interface read-write, synchronous.
    std::vector<testing::OpenCall> kept;
    for (const auto& call : system_.opens)
        if (call.access != HidAccess::None)
            kept.push_back(call);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].access, HidAccess::Read);
    EXPECT_EQ(kept[0].mode, HidIoMode::Overlapped);
    EXPECT_EQ(kept[1].access, HidAccess::Write);
    EXPECT_EQ(kept[1].mode, HidIoMode::Overlapped);
    EXPECT_EQ(kept[2].access, HidAccess::ReadWrite);
    EXPECT_EQ(kept[2].mode, HidIoMode::Synchronous);
    EXPECT_EQ(kept[2].path, mouseCommand().path);
    EXPECT_EQ(system_.openDevices, 3);
}

TEST_F(Discovery, TheWalkEndsAtTheFirstCommandInterface) {
    system_.interfaces = {mouseCommand(), mouseNotification()};
    EXPECT_EQ(discover(), DiscoveryResult::Found);
    EXPECT_FALSE(link_->notificationOpen());
    EXPECT_EQ(system_.probesOf(mouseNotification().path), 0);
}

TEST_F(Discovery, InterfacesWithoutTheirReportsAreSkipped) {
    ScriptedInterface silentNotification = mouseNotification(0);
    ScriptedInterface commandWithoutFeature = mouseCommand(0);
    commandWithoutFeature.path = "no feature";
    system_.interfaces = {silentNotification, commandWithoutFeature};
    EXPECT_EQ(discover(), DiscoveryResult::NotFound);
    EXPECT_FALSE(link_->notificationOpen());
}

TEST_F(Discovery, ACommandInterfaceWithOverlongReportsIsNotOurs) {
    for (auto [feature, chunk] :
         {std::pair<std::uint16_t, std::uint16_t>{17, 33}, {9, 34}, {65, 65}}) {
        system_ = {};
        messages_.shown.clear();
        system_.interfaces = {mouseNotification(), mouseCommand(feature, chunk)};
        EXPECT_EQ(discover(), DiscoveryResult::NotFound) << feature << " " << chunk;
        EXPECT_FALSE(link_->commandOpen());
        expectNoMessage();
    }
}

TEST_F(Discovery, ListUnavailableFailsSilently) {
    system_.listAvailable = false;
    EXPECT_EQ(discover(), DiscoveryResult::ListUnavailable);
    expectNoMessage();
}

TEST_F(Discovery, EnumerationErrorEndsTheWalk) {
    ScriptedInterface broken;
    broken.step = InterfaceStep::EnumerationError;
    system_.interfaces = {otherDevice("kbd"), broken, mouseCommand()};
    EXPECT_EQ(discover(), DiscoveryResult::EnumerationFailed);
    EXPECT_EQ(system_.probesOf(mouseCommand().path), 0);
    expectNoMessage();
}

TEST_F(Discovery, DetailFailureIsReported) {
    ScriptedInterface broken;
    broken.step = InterfaceStep::DetailFailed;
    system_.interfaces = {broken, mouseCommand()};
    EXPECT_EQ(discover(), DiscoveryResult::DetailFailed);
    expectMessage("SetupDiGetDeviceInterfaceDetail failed.\n");
}

TEST_F(Discovery, AProbeThatCannotOpenStopsTheWholeWalk) {
    ScriptedInterface locked = otherDevice("locked");
    locked.probeOpens = false;
    system_.interfaces = {locked, mouseCommand()};
    EXPECT_EQ(discover(), DiscoveryResult::ProbeFailed);
    EXPECT_EQ(system_.probesOf(mouseCommand().path), 0);
    expectNoMessage();
}

TEST_F(Discovery, PreparsedDataFailureIsReportedAndTheProbeClosed) {
    ScriptedInterface command = mouseCommand();
    command.caps.status = CapsStatus::PreparsedDataFailed;
    system_.interfaces = {command};
    EXPECT_EQ(discover(), DiscoveryResult::PreparsedDataFailed);
    expectMessage("HidD_GetPreparsedData failed.\n");
    EXPECT_EQ(system_.openDevices, 0);
}

TEST_F(Discovery, InvalidPreparsedDataIsReported) {
    ScriptedInterface command = mouseCommand();
    command.caps.status = CapsStatus::InvalidPreparsedData;
    system_.interfaces = {command};
    EXPECT_EQ(discover(), DiscoveryResult::CapsFailed);
    expectMessage("HidP_GetCaps failed.");
}

TEST_F(Discovery, OtherDevicesFailingTheirCapabilitiesAreNeverAsked) {
    ScriptedInterface other = otherDevice("kbd");
    other.caps.status = CapsStatus::PreparsedDataFailed;
    system_.interfaces = {other, mouseCommand()};
    EXPECT_EQ(discover(), DiscoveryResult::Found);
    expectNoMessage();
}

TEST_F(Discovery, NotificationInterfaceThatCannotOpenFails) {
    ScriptedInterface noRead = mouseNotification();
    noRead.readOpens = false;
    system_.interfaces = {noRead, mouseCommand()};
    EXPECT_EQ(discover(), DiscoveryResult::NotificationOpenFailed);
    EXPECT_FALSE(link_->commandOpen());

    system_ = {};
    ScriptedInterface noWrite = mouseNotification();
    noWrite.writeOpens = false;
    system_.interfaces = {noWrite, mouseCommand()};
    EXPECT_EQ(discover(), DiscoveryResult::NotificationOpenFailed);
    EXPECT_FALSE(link_->commandOpen());
    expectNoMessage();
}

TEST_F(Discovery, CommandInterfaceThatCannotOpenFailsWithTheFlagClear) {
    ScriptedInterface command = mouseCommand();
    command.readWriteOpens = false;
    system_.interfaces = {mouseNotification(), command};
    EXPECT_EQ(discover(), DiscoveryResult::CommandOpenFailed);
    EXPECT_FALSE(link_->commandOpen());
    EXPECT_FALSE(link_->connected());
}

TEST_F(Discovery, RediscoveryGivesUpTheOldCommandHandle) {
    system_.interfaces = {mouseNotification(), mouseCommand()};
    ASSERT_EQ(discover(), DiscoveryResult::Found);
    system_.interfaces = {otherDevice("kbd")};
    EXPECT_EQ(link_->discover(), DiscoveryResult::NotFound);
    EXPECT_FALSE(link_->commandOpen());
    // The notification handles stay until a new open replaces them.
    EXPECT_TRUE(link_->notificationOpen());
    link_->close();
    EXPECT_FALSE(link_->notificationOpen());
    EXPECT_EQ(system_.openDevices, 0);
}

TEST_F(Discovery, WithoutAnEventTheLinkStillWorksAndNoReaderRuns) {
    system_.eventAvailable = false;
    system_.interfaces = {mouseNotification(), mouseCommand()};
    ASSERT_EQ(discover(), DiscoveryResult::Found);
    EXPECT_FALSE(link_->hasNotificationEvent());
    link_->setConnected(false);
    NotificationReader reader(*link_, nullptr);
    EXPECT_FALSE(reader.start());
    reader.run();  // returns at once instead of waiting on nothing
    link_->close();
    EXPECT_EQ(system_.openDevices, 0);
}

}  // namespace
}  // namespace quorvel
