// The Win32 HID port against Wine's own HID devices: the walk runs and finds no mouse.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "device/device_link.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/hid_system_win32.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel {
namespace {

class RecordingMessages : public MessageBoxPort {
  public:
    void show(std::string_view text, std::string_view) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

TEST(Win32HidSystem, LoadsItsLibrariesAtRunTime) {
    win32::Win32HidSystem system;
    EXPECT_TRUE(system.available());
}

TEST(Win32HidSystem, ListsWinesInterfacesWithAttributesAndCapabilities) {
    win32::Win32HidSystem system;
    const std::unique_ptr<HidInterfaceList> list = system.listInterfaces();
    ASSERT_NE(list, nullptr);
    std::size_t index = 0;
    for (;; ++index) {
        const InterfaceEntry entry = list->entry(index);
        if (entry.step != InterfaceStep::Interface) {
            EXPECT_EQ(entry.step, InterfaceStep::NoMoreItems);
            break;
        }
        EXPECT_FALSE(entry.path.empty());
        const std::unique_ptr<HidDevice> probe =
            system.open(entry.path, HidAccess::None, HidIoMode::Synchronous);
        ASSERT_NE(probe, nullptr) << entry.path;
        const std::optional<HidAttributes> attributes = probe->attributes();
        ASSERT_TRUE(attributes.has_value()) << entry.path;
        EXPECT_FALSE(attributes->vendorId == kMouseVendorId &&
                     attributes->productId == kMouseProductId);
        const CapsResult caps = probe->capabilities();
        EXPECT_EQ(caps.status, CapsStatus::Ok) << entry.path;
        EXPECT_NE(caps.caps.usagePage, 0) << entry.path;
    }
    EXPECT_GE(index, 1u) << "Wine lists a virtual mouse and keyboard";
    EXPECT_EQ(system.open("\\\\?\\hid#no-such-device", HidAccess::None, HidIoMode::Synchronous),
              nullptr);
}

TEST(Win32HidSystem, DiscoveryEndsWithNotFound) {
    win32::Win32HidSystem system;
    RecordingMessages messages;
    win32::Win32Clock clock;
    DeviceLink link(system, messages, clock);
    EXPECT_EQ(link.discover(), DiscoveryResult::NotFound);
    EXPECT_FALSE(link.commandOpen());
    EXPECT_FALSE(link.connected());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(link.handshake()) << "no command handle: all-zero answers";
}

// Wine's virtual devices send no reports while nobody moves them: a read without a wake
// event must give up after its time-out instead of holding the caller for good.
TEST(Win32HidSystem, AReadThatNoReportAnswersEndsAfterItsTimeOut) {
    win32::Win32HidSystem system;
    const std::unique_ptr<HidInterfaceList> list = system.listInterfaces();
    ASSERT_NE(list, nullptr);
    for (std::size_t index = 0;; ++index) {
        const InterfaceEntry entry = list->entry(index);
        if (entry.step != InterfaceStep::Interface)
            break;
        const std::unique_ptr<HidDevice> device =
            system.open(entry.path, HidAccess::ReadWrite, HidIoMode::Synchronous);
        if (device == nullptr)
            continue;
        const CapsResult caps = device->capabilities();
        if (caps.caps.inputReportLength == 0)
            continue;
        std::vector<std::uint8_t> report(caps.caps.inputReportLength);
        const auto start = std::chrono::steady_clock::now();
        const std::size_t received = device->readInput(report, nullptr);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::seconds(5)) << entry.path;
        if (received == 0) {
            EXPECT_GE(took, std::chrono::milliseconds(900)) << "it waited for a report";
        }
        return;
    }
    GTEST_SKIP() << "no HID interface with input reports opens for reading and writing";
}

// Fills the stack below its caller, lets the system deliver what it still owes this thread
// (an alertable wait) and counts the bytes that changed: a read still running after its
// reader returned writes its outcome into the OVERLAPPED of the frame it left, here.
[[gnu::noinline]] int changedStackBytes() {
    volatile std::uint8_t area[4096];
    for (auto& byte : area)
        byte = 0xA5;
    (void)SleepEx(100, TRUE);
    int changed = 0;
    for (auto& byte : area)
        changed += byte != 0xA5 ? 1 : 0;
    return changed;
}

// The notification reader is woken (discovery, an unplugged mouse) while its read waits; the
// wake event may be set before the read even starts. The read must have ended when readInput
// returns; a report that does come is read and sets the wake event.
TEST(Win32HidSystem, AWokenReadHasEndedWhenItReturns) {
    // A pipe stands in for an interface whose reports do not come until the test sends one.
    const std::wstring name =
        L"\\\\.\\pipe\\quorvel-read-" + std::to_wstring(GetCurrentProcessId());
    win32::UniqueKernelHandle device(CreateNamedPipeW(name.c_str(),
                                                      PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                                      PIPE_TYPE_BYTE, 1, 64, 64, 0, nullptr));
    ASSERT_TRUE(device);
    win32::Win32HidSystem system;
    const std::unique_ptr<HidDevice> reader =
        system.open(win32::utf8FromWide(name.c_str()), HidAccess::Read, HidIoMode::Overlapped);
    ASSERT_NE(reader, nullptr);
    const std::unique_ptr<WakeEvent> wake = system.createEvent();
    ASSERT_NE(wake, nullptr);
    std::vector<std::uint8_t> report(5, 0);
    for (int round = 0; round < 10; ++round) {
        wake->set();
        EXPECT_EQ(reader->readInput(report, wake.get()), 0u);
        EXPECT_EQ(changedStackBytes(), 0) << "round " << round;
    }
    const std::uint8_t sent[] = {6, 8, 0, 2, 0};
    DWORD written = 0;
    OVERLAPPED write{};
    write.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(WriteFile(device.get(), sent, sizeof sent, &written, &write) ||
                GetLastError() == ERROR_IO_PENDING);
    wake->reset();
    // A read left running by an earlier round would take the report: this one would wait
    // for good without the watchdog.
    std::thread watchdog([&wake] {
        Sleep(3000);
        wake->set();
    });
    EXPECT_EQ(reader->readInput(report, wake.get()), sizeof sent);
    watchdog.join();
    EXPECT_EQ(report, std::vector<std::uint8_t>(sent, sent + sizeof sent));
    EXPECT_TRUE(GetOverlappedResult(device.get(), &write, &written, TRUE));
    CloseHandle(write.hEvent);
}

TEST(Win32Event, SetResetAndWait) {
    win32::Win32HidSystem system;
    const std::unique_ptr<WakeEvent> event = system.createEvent();
    ASSERT_NE(event, nullptr);
    EXPECT_FALSE(event->isSet());
    event->set();
    event->wait();
    EXPECT_TRUE(event->isSet());
    event->reset();
    EXPECT_FALSE(event->isSet());
}

TEST(Win32Clock, AWaitNeverEndsEarly) {
    win32::Win32Clock clock;
    for (std::uint32_t ms : {0u, 1u, 2u, 3u}) {
        const auto start = clock.now();
        clock.sleepMs(ms);
        EXPECT_GE(clock.now() - start, std::chrono::milliseconds(ms));
    }
    clock.beginPreciseWaits();
    clock.endPreciseWaits();
}

}  // namespace
}  // namespace quorvel
