// The mouse for one command: the real one through the platform's HID port, or the
// simulated one with --simulate; discovery and handshake with one-line failures.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/command.h"
#include "device/device_link.h"
#include "sim/simulated_mouse.h"

namespace quorvel::cli {

// The core reports system failures as message boxes; here they become part of the one line.
class CollectedMessages : public MessageBoxPort {
  public:
    void show(std::string_view text, std::string_view caption) override;
    std::string joined() const;

  private:
    std::vector<std::string> texts_;
};

class DeviceSession {
  public:
    explicit DeviceSession(const Context& context);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // nullptr when the system's HID port cannot be had; error() says so.
    HidSystem* system() { return system_.get(); }
    sim::SimulatedMouse* simulated() { return simulated_; }
    // Discovery, then the handshake. False with error() set when either fails.
    bool connect();
    DeviceLink& link() { return *link_; }
    const std::string& error() const { return error_; }
    DiscoveryResult discovery() const { return discovery_; }

  private:
    const Context& context_;
    CollectedMessages messages_;
    std::unique_ptr<HidSystem> system_;
    sim::SimulatedMouse* simulated_ = nullptr;
    std::unique_ptr<DeviceLink> link_;
    DiscoveryResult discovery_ = DiscoveryResult::NotFound;
    std::string error_;
};

struct SendResult {
    ExitCode code = ExitCode::Ok;
    int sensorType = 0;
};
// The whole apply sequence to the mouse, with --trace and the record's rules (--force);
// every failure is reported on the way, naming `source`.
SendResult sendConfiguration(const Context& context, const std::string& source,
                             const MouseConfig& config);

// --sensor, else the simulated mouse's type, else the real mouse's answer if one answers.
std::optional<int> knownSensorType(const Context& context);

// The words for a failed discovery, with what the system reported (`system`) and what the
// platform advises trying.
std::string discoveryFailureText(DiscoveryResult result, std::string_view system,
                                 const Platform& platform);

}  // namespace quorvel::cli
