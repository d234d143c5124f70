// A HID system whose every answer is scripted, and which records what was asked of it.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_system.h"

namespace quorvel::testing {

struct ScriptedInterface {
    std::string path;
    InterfaceStep step = InterfaceStep::Interface;
    bool probeOpens = true;
    bool readOpens = true;
    bool writeOpens = true;
    bool readWriteOpens = true;
    std::optional<HidAttributes> attributes;
    CapsResult caps;
};

struct OpenCall {
    std::string path;
    HidAccess access;
    HidIoMode mode;
};

// The bytes that crossed a scripted device, raw as on the wire.
struct ScriptedWire {
    std::vector<std::vector<std::uint8_t>> featuresSet;
    std::deque<std::vector<std::uint8_t>> featureAnswers;  // raw, report identifier first
    std::vector<std::vector<std::uint8_t>> outputs;
    std::deque<std::vector<std::uint8_t>> inputs;  // raw, report identifier first
    int featureGets = 0;
    int inputReads = 0;
    bool setFeatureResult = true;
};

class CountingEvent : public WakeEvent {
  public:
    void set() override {
        ++sets;
        state = true;
    }
    void reset() override { state = false; }
    void wait() override {}
    bool isSet() const override { return state; }
    int sets = 0;
    bool state = false;
};

class ScriptedHidSystem : public HidSystem {
  public:
    std::unique_ptr<HidInterfaceList> listInterfaces() override;
    std::unique_ptr<HidDevice> open(std::string_view path, HidAccess access,
                                    HidIoMode mode) override;
    std::unique_ptr<WakeEvent> createEvent() override;

    bool listAvailable = true;
    bool eventAvailable = true;  // false: the system is out of handles
    std::vector<ScriptedInterface> interfaces;
    std::vector<OpenCall> opens;
    int openDevices = 0;  // handles not yet closed
    std::shared_ptr<ScriptedWire> wire = std::make_shared<ScriptedWire>();
    CountingEvent* event = nullptr;  // the last event created; owned by its user

    int probesOf(std::string_view path) const;
};

// Interfaces that tests combine.
ScriptedInterface otherDevice(std::string path, std::uint16_t vendor = 0x046D,
                              std::uint16_t product = 0xC077);
ScriptedInterface mouseNotification(std::uint16_t inputLength = 5);
ScriptedInterface mouseCommand(std::uint16_t feature = 9, std::uint16_t chunk = 33);

}  // namespace quorvel::testing
