#include "support/device/hostile_hid_system.h"

#include <array>
#include <string>
#include <string_view>

#include "device/device_link.h"

namespace quorvel::testing {
namespace {

// Most answers look like the mouse, so the input reaches past discovery.
constexpr std::array<std::string_view, 3> kPaths = {"hid#mouse&col01", "hid#mouse&col02",
                                                    "hid#other"};
constexpr std::size_t kMaxInterfaces = 32;
constexpr std::uint16_t kTypicalFeatureLength = 9;
constexpr std::uint16_t kTypicalChunkLength = 33;
constexpr std::uint16_t kTypicalNotificationLength = 5;

// Reads every byte the caller hands over, so a span past its buffer shows up.
std::uint8_t touch(std::span<const std::uint8_t> report) {
    std::uint8_t sum = 0;
    for (const std::uint8_t b : report)
        sum = static_cast<std::uint8_t>(sum + b);
    return sum;
}

void fill(ByteSource& source, std::span<std::uint8_t> report, std::size_t count) {
    for (std::size_t i = 0; i < count && i < report.size(); ++i)
        report[i] = source.byte();
}

class HostileList : public HidInterfaceList {
  public:
    explicit HostileList(ByteSource& source) : source_(source) {}
    InterfaceEntry entry(std::size_t index) override {
        if (index >= kMaxInterfaces)
            return {InterfaceStep::NoMoreItems, {}};
        switch (source_.below(8)) {
            case 0:
                return {InterfaceStep::NoMoreItems, {}};
            case 1:
                return {InterfaceStep::EnumerationError, {}};
            case 2:
                return {InterfaceStep::DetailFailed, {}};
            case 3:
                return {InterfaceStep::Interface, source_.shortString()};
            default:
                return {InterfaceStep::Interface,
                        std::string(kPaths[source_.below(kPaths.size())])};
        }
    }

  private:
    ByteSource& source_;
};

class HostileEvent : public WakeEvent {
  public:
    explicit HostileEvent(const std::function<void()>& idle) : idle_(idle) {}
    void set() override { set_ = true; }
    void reset() override { set_ = false; }
    // Nobody else can set it in a single-threaded run.
    void wait() override {
        if (!set_ && idle_)
            idle_();
    }
    bool isSet() const override { return set_; }

  private:
    const std::function<void()>& idle_;
    bool set_ = false;
};

class HostileDevice : public HidDevice {
  public:
    HostileDevice(ByteSource& source, const std::function<void()>& idle)
        : source_(source), idle_(idle) {}

    std::optional<HidAttributes> attributes() override {
        switch (source_.below(4)) {
            case 0:
                return std::nullopt;
            case 1:
                return HidAttributes{source_.word(), source_.word(), source_.word()};
            default:
                return HidAttributes{kMouseVendorId, kMouseProductId, source_.word()};
        }
    }

    CapsResult capabilities() override {
        CapsResult result;
        switch (source_.below(8)) {
            case 0:
                result.status = CapsStatus::PreparsedDataFailed;
                return result;
            case 1:
                result.status = CapsStatus::InvalidPreparsedData;
                return result;
            default:
                break;
        }
        switch (source_.below(4)) {
            case 0:
                result.caps.usagePage = source_.word();
                result.caps.usage = source_.word();
                break;
            case 1:
                result.caps.usagePage = result.caps.usage = kNotificationUsage;
                break;
            default:
                result.caps.usagePage = result.caps.usage = kCommandUsage;
                break;
        }
        result.caps.inputReportLength = length(kTypicalChunkLength, kTypicalNotificationLength);
        result.caps.outputReportLength = length(kTypicalChunkLength, kTypicalChunkLength);
        result.caps.featureReportLength = length(kTypicalFeatureLength, kTypicalFeatureLength);
        return result;
    }

    bool setFeature(std::span<const std::uint8_t> report) override {
        sink_ = static_cast<std::uint8_t>(sink_ + touch(report));
        return source_.flag();
    }

    bool getFeature(std::span<std::uint8_t> report) override {
        fill(source_, report, source_.below(report.size() + 1));
        return source_.flag();
    }

    bool writeOutput(std::span<const std::uint8_t> report) override {
        sink_ = static_cast<std::uint8_t>(sink_ + touch(report));
        return source_.flag();
    }

    std::size_t readInput(std::span<std::uint8_t> report, WakeEvent* wake) override {
        if (source_.exhausted()) {
            if (wake != nullptr && idle_)
                idle_();
            return 0;
        }
        const std::size_t received = source_.below(report.size() + 1);
        fill(source_, report, received);
        if (wake != nullptr && received != 0)
            wake->set();
        return received;
    }

  private:
    // A declared report length: mostly what the mouse declares, sometimes anything.
    std::uint16_t length(std::uint16_t command, std::uint16_t notification) {
        switch (source_.below(8)) {
            case 0:
                return source_.word();
            case 1:
                return source_.byte();
            case 2:
                return 0;
            case 3:
                return notification;
            default:
                return command;
        }
    }

    ByteSource& source_;
    const std::function<void()>& idle_;
    std::uint8_t sink_ = 0;
};

}  // namespace

std::unique_ptr<HidInterfaceList> HostileHidSystem::listInterfaces() {
    if (source_.below(16) == 0)
        return nullptr;
    return std::make_unique<HostileList>(source_);
}

std::unique_ptr<HidDevice> HostileHidSystem::open(std::string_view /*path*/, HidAccess /*access*/,
                                                  HidIoMode /*mode*/) {
    if (source_.below(16) == 0)
        return nullptr;
    return std::make_unique<HostileDevice>(source_, idle);
}

std::unique_ptr<WakeEvent> HostileHidSystem::createEvent() {
    return std::make_unique<HostileEvent>(idle);
}

}  // namespace quorvel::testing
