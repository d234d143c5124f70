// The link to the mouse: discovery of its two interfaces, the command exchanges with their
// handshake and scrambling, and the state the notification reader shares.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "device/command_report.h"
#include "device/hid_system.h"
#include "device/scrambler.h"
#include "device/shared_device_handle.h"
#include "device/wire_trace.h"
#include "ports/clock.h"
#include "ports/message_box.h"

namespace quorvel {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA09F;
inline constexpr std::uint16_t kNotificationUsage = 0xFF01;  // usage page and usage
inline constexpr std::uint16_t kCommandUsage = 0xFF00;       // usage page and usage
// Longer declared reports would not fit the link's buffers: such an interface is not ours.
inline constexpr std::uint16_t kMaxFeatureReportLength = feature_frame::kBufferSize;
inline constexpr std::uint16_t kMaxChunkReportLength = chunk_frame::kBufferSize;

enum class DiscoveryResult : std::uint8_t {
    Found,
    ListUnavailable,
    EnumerationFailed,
    NotFound,
    DetailFailed,
    ProbeFailed,
    PreparsedDataFailed,
    CapsFailed,
    NotificationOpenFailed,
    CommandOpenFailed,
};

namespace discovery_text {
inline constexpr std::string_view kDetailFailed = "SetupDiGetDeviceInterfaceDetail failed.\n";
inline constexpr std::string_view kPreparsedDataFailed = "HidD_GetPreparsedData failed.\n";
inline constexpr std::string_view kCapsFailed = "HidP_GetCaps failed.";
}  // namespace discovery_text

// Notice kinds: 5 to 9 come from the mouse, 14 and 15 from the handshake.
namespace notice {
inline constexpr std::uint8_t kReportRateChanged = 5;
inline constexpr std::uint8_t kDpiStageChanged = 7;
inline constexpr std::uint8_t kKeyMatrixChanged = 8;
inline constexpr std::uint8_t kMacroKey = 9;
inline constexpr std::uint8_t kMouseDetected = 14;
inline constexpr std::uint8_t kMouseNotDetected = 15;
}  // namespace notice

// The notification input report of the notification interface.
namespace notification_report {
inline constexpr std::size_t kReportId = 0;
inline constexpr std::size_t kKind = 1;
inline constexpr std::size_t kValue = 3;
inline constexpr std::size_t kMinimumSize = 4;
inline constexpr std::uint8_t kNotificationId = 6;
}  // namespace notification_report

using NoticeHandler = std::function<void(std::uint8_t kind, std::uint8_t value)>;

struct SensorInformation {
    std::uint8_t sensorType = 0;
    std::uint8_t rate = 0;
    std::uint8_t option1 = 0;
    std::uint8_t option2 = 0;
};
inline constexpr std::uint8_t kSensorOption2Bit = 0x40;

inline constexpr std::uint32_t kHandshakeWaitMs = 5;
inline constexpr std::uint32_t kChunkWriteWaitMs = 3;

class DeviceLink {
  public:
    DeviceLink(HidSystem& system, MessageBoxPort& messages, Clock& clock,
               const ScramblerKeys& programKeys = kProgramKeys);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    void setNoticeHandler(NoticeHandler handler) { notices_ = std::move(handler); }
    void setObserver(WireObserver* observer) { observer_ = observer; }

    // Opens the notification interface (if listed before the command interface) and the
    // command interface. Failures are reported here, in the system's own words.
    DiscoveryResult discover();
    bool discoverDevice() { return discover() == DiscoveryResult::Found; }
    // Decides the connected and scrambling flags; sends notice 14 or 15.
    bool handshake();
    // Closes the three handles and wakes the notification reader.
    void close();

    // P7 is computed here. A request's answer replaces `report`. Returns the feature write's
    // success (for requests too; the answer bytes are the result).
    bool sendCommand(CommandReport& report);
    // Writes (P0 bit 7 clear) or reads a block. A read replaces `header` with the answer and
    // fills `data` with the announced chunks, as far as `data` holds them (the rest are still
    // read, so the device's stream stays in step), until a read finds nothing. Returns the
    // data bytes moved.
    std::size_t transferBlock(CommandReport& header, std::span<std::uint8_t> data);
    // 0x83, then the same four bytes with option 2 bit 6 set written back with 0x03.
    SensorInformation exchangeSensorInformation();
    void wait(std::uint32_t ms);
    Clock& clock() { return clock_; }

    bool connected() const { return connected_.load(); }
    // Wakes the notification reader whenever the flag changes.
    void setConnected(bool connected);
    bool scrambling() const { return scrambling_; }
    const ScramblerKeys& keys() const { return keys_; }

    const std::string& devicePath() const { return devicePath_; }
    std::uint16_t featureReportLength() const { return featureLength_; }
    std::uint16_t inputReportLength() const { return inputLength_; }
    std::uint16_t outputReportLength() const { return outputLength_; }
    std::uint16_t notificationReportLength() const { return notificationLength_.load(); }
    bool commandOpen() const { return command_ != nullptr; }
    bool notificationOpen() const { return notificationRead_.load() != nullptr; }
    std::shared_ptr<HidDevice> notificationReadHandle() const { return notificationRead_.load(); }
    // False when the system could not make the event the notification reader waits on; the
    // reader then cannot run.
    bool hasNotificationEvent() const { return event_ != nullptr; }
    WakeEvent& notificationEvent() { return *event_; }
    // Wakes a waiting notification reader.
    void wakeReader() {
        if (event_)
            event_->set();
    }

  private:
    enum class Probe : std::uint8_t { Skip, Notification, Command };
    bool setFeature(std::span<const std::uint8_t, command_report::kSize> plain);
    ReportBytes getFeature(bool unscrambleAnswer);
    bool sendFeature(ReportBytes plain, bool scrambled);
    DiscoveryResult openNotification(const std::string& path, const HidCaps& caps);
    DiscoveryResult openCommand(const std::string& path, const HidCaps& caps);
    void report(std::string_view text);
    void sendNotice(std::uint8_t kind);

    HidSystem& system_;
    MessageBoxPort& messages_;
    Clock& clock_;
    ScramblerKeys programKeys_;
    ScramblerKeys keys_;
    NoticeHandler notices_;
    WireObserver* observer_ = nullptr;
    std::unique_ptr<WakeEvent> event_;

    std::string devicePath_;
    // Read by the notification reader thread while the UI thread replaces them.
    SharedDeviceHandle notificationRead_;
    std::atomic<std::uint16_t> notificationLength_{0};
    std::atomic<bool> connected_{false};
    std::unique_ptr<HidDevice> notificationWrite_;  // opened and closed, never written
    std::unique_ptr<HidDevice> command_;
    std::uint16_t featureLength_ = 0;
    std::uint16_t inputLength_ = 0;
    std::uint16_t outputLength_ = 0;
    bool scrambling_ = false;
};

}  // namespace quorvel
