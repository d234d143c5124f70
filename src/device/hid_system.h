// The HID port: what the device link needs of the system's HID class driver. Backends:
// Win32 (SetupDi/HidD), hidapi, and the simulated mouse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvel {

// A manual-reset event shared by the notification read and whoever wants to wake it.
class WakeEvent {
  public:
    virtual ~WakeEvent() = default;
    virtual void set() = 0;
    virtual void reset() = 0;
    virtual void wait() = 0;
    virtual bool isSet() const = 0;
};

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
};

struct HidCaps {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

enum class CapsStatus : std::uint8_t {
    Ok,
    PreparsedDataFailed,   // the preparsed data could not be had
    InvalidPreparsedData,  // the capabilities call rejected it
};

struct CapsResult {
    CapsStatus status = CapsStatus::Ok;
    HidCaps caps;
};

enum class HidAccess : std::uint8_t { None, Read, Write, ReadWrite };
enum class HidIoMode : std::uint8_t { Synchronous, Overlapped };

// One open interface. Every buffer starts with the report identifier byte; the length
// passed to the system is the span's size.
class HidDevice {
  public:
    virtual ~HidDevice() = default;
    virtual std::optional<HidAttributes> attributes() = 0;
    virtual CapsResult capabilities() = 0;
    virtual bool setFeature(std::span<const std::uint8_t> report) = 0;
    virtual bool getFeature(std::span<std::uint8_t> report) = 0;
    virtual bool writeOutput(std::span<const std::uint8_t> report) = 0;
    // Reads one input report; returns the bytes read, 0 when none arrived. With `wake`, the
    // read also ends (0, the read cancelled, the buffer no longer touched) when another party
    // sets the event; the event is set when a report completes, too. A read that cannot even
    // start waits for the event before returning 0, so a dead handle never spins its reader.
    // Without `wake` the read waits a bounded time for a report: 0 when none came.
    virtual std::size_t readInput(std::span<std::uint8_t> report, WakeEvent* wake) = 0;
};

enum class InterfaceStep : std::uint8_t {
    Interface,         // `path` holds the interface path
    NoMoreItems,       // the walk is over
    EnumerationError,  // the enumeration call failed for this index
    DetailFailed,      // the interface's detail data could not be read
};

struct InterfaceEntry {
    InterfaceStep step = InterfaceStep::NoMoreItems;
    std::string path;  // UTF-8
};

// The present HID interfaces in the system's order; released with the object.
class HidInterfaceList {
  public:
    virtual ~HidInterfaceList() = default;
    virtual InterfaceEntry entry(std::size_t index) = 0;
};

class HidSystem {
  public:
    virtual ~HidSystem() = default;
    // nullptr when the list cannot be had.
    virtual std::unique_ptr<HidInterfaceList> listInterfaces() = 0;
    // nullptr when the path cannot be opened.
    virtual std::unique_ptr<HidDevice> open(std::string_view path, HidAccess access,
                                            HidIoMode mode) = 0;
    // Null when the system has no event left to give (out of handles).
    virtual std::unique_ptr<WakeEvent> createEvent() = 0;
};

}  // namespace quorvel
