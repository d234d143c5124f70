// The simulated mouse as a backend of the HID port: its collections, the wire (handshake,
// scrambling, chunks, notifications), fault modes and a log of what crossed the wire.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "device/device_link.h"
#include "device/hid_system.h"
#include "device/scrambler.h"
#include "sim/sim_firmware.h"

namespace quorvel::sim {

inline constexpr std::string_view kBootMousePath =
    R"(\\?\HID#VID_04D9&PID_A09F&MI_00#8&2c1f0a3e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";
inline constexpr std::string_view kNotificationPath =
    R"(\\?\HID#VID_04D9&PID_A09F&MI_01&COL01#8&1b7e3a52&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})";
inline constexpr std::string_view kCommandPath =
    R"(\\?\HID#VID_04D9&PID_A09F&MI_01&COL02#8&1b7e3a52&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030})";
inline constexpr std::uint16_t kCommandFeatureLength = 9;
inline constexpr std::uint16_t kCommandChunkLength = 33;
inline constexpr std::uint16_t kLongReportLength = 65;

enum class WireFault : std::uint8_t {
    None,
    Silent,       // every answer all zero
    PlainEcho,    // echoes the plain handshake pass
    LongReports,  // the command collection declares reports longer than the link's buffers
};

enum class InterfaceRole : std::uint8_t { Other, Notification, Command };

struct SimInterface {
    std::string path;
    HidAttributes attributes;
    HidCaps caps;
    InterfaceRole role = InterfaceRole::Other;
    bool openable = true;
};

// The interfaces' paths; by default the form Windows gives them.
struct SimPaths {
    std::string bootMouse{kBootMousePath};
    std::string notification{kNotificationPath};
    std::string command{kCommandPath};
};

// The plain fixture a test changes one field at a time.
struct SimOptions {
    std::uint8_t sensorType = 0;
    WireFault wireFault = WireFault::None;
    ReadBackFault readBackFault = ReadBackFault::None;
    bool notificationFirst = true;
    std::uint16_t notificationLength = 5;
    std::vector<SimInterface> otherDevices;  // listed before the mouse
    // The mouse goes away once it has taken this many feature writes.
    std::optional<std::size_t> unplugAfterFeatureSets;
    ScramblerKeys keys = kProgramKeys;
    SimPaths paths;
};

class SimCore;

class SimulatedMouse : public HidSystem {
  public:
    explicit SimulatedMouse(SimOptions options = {});
    ~SimulatedMouse() override;

    std::unique_ptr<HidInterfaceList> listInterfaces() override;
    std::unique_ptr<HidDevice> open(std::string_view path, HidAccess access,
                                    HidIoMode mode) override;
    std::unique_ptr<WakeEvent> createEvent() override;

    // Queues a notification report; completes a pending read at once.
    void sendNotification(std::uint8_t kind, std::uint8_t value,
                          std::uint8_t reportId = notification_report::kNotificationId);
    void unplug();
    void plugIn();
    bool plugged() const;
    bool scrambledSession() const;

    // Copies: the state is guarded for the reader thread.
    FirmwareState firmwareState() const;
    void setFirmwareState(const FirmwareState& state);
    int featureSetsTaken() const;
    // Input reads asked of the command interface, answered or not.
    int commandReadsTaken() const;
    // One line each, in the device link's trace format, from the mouse's side: what it took
    // ("feature-set", "write") and what it gave ("feature-get", "read"), all in plain form.
    std::vector<std::string> log() const;
    void clearLog();
    void writeLog(std::ostream& out) const;

  private:
    std::shared_ptr<SimCore> core_;
};

}  // namespace quorvel::sim
