#include "support/device/scripted_hid_system.h"

#include <algorithm>

#include "device/device_link.h"

namespace quorvel::testing {
namespace {

class ScriptedList : public HidInterfaceList {
  public:
    explicit ScriptedList(const std::vector<ScriptedInterface>& interfaces)
        : interfaces_(interfaces) {}
    InterfaceEntry entry(std::size_t index) override {
        if (index >= interfaces_.size())
            return {InterfaceStep::NoMoreItems, {}};
        const ScriptedInterface& i = interfaces_[index];
        return {i.step, i.step == InterfaceStep::Interface ? i.path : std::string()};
    }

  private:
    std::vector<ScriptedInterface> interfaces_;
};

class ScriptedDevice : public HidDevice {
  public:
    ScriptedDevice(const ScriptedInterface& iface, std::shared_ptr<ScriptedWire> wire, int& open)
        : iface_(iface), wire_(std::move(wire)), open_(open) {
        ++open_;
    }
    ~ScriptedDevice() override { --open_; }

    std::optional<HidAttributes> attributes() override { return iface_.attributes; }
    CapsResult capabilities() override { return iface_.caps; }
    bool setFeature(std::span<const std::uint8_t> report) override {
        wire_->featuresSet.emplace_back(report.begin(), report.end());
        return wire_->setFeatureResult;
    }
    bool getFeature(std::span<std::uint8_t> report) override {
        ++wire_->featureGets;
        if (wire_->featureAnswers.empty())
            return false;
        const std::vector<std::uint8_t> answer = wire_->featureAnswers.front();
        wire_->featureAnswers.pop_front();
        std::copy_n(answer.begin(), std::min(answer.size(), report.size()), report.begin());
        return true;
    }
    bool writeOutput(std::span<const std::uint8_t> report) override {
        wire_->outputs.emplace_back(report.begin(), report.end());
        return true;
    }
    std::size_t readInput(std::span<std::uint8_t> report, WakeEvent* /*wake*/) override {
        ++wire_->inputReads;
        if (wire_->inputs.empty())
            return 0;
        const std::vector<std::uint8_t> input = wire_->inputs.front();
        wire_->inputs.pop_front();
        const std::size_t n = std::min(input.size(), report.size());
        std::copy_n(input.begin(), n, report.begin());
        return n;
    }

  private:
    ScriptedInterface iface_;
    std::shared_ptr<ScriptedWire> wire_;
    int& open_;
};

bool canOpen(const ScriptedInterface& i, HidAccess access) {
    switch (access) {
        case HidAccess::None:
            return i.probeOpens;
        case HidAccess::Read:
            return i.readOpens;
        case HidAccess::Write:
            return i.writeOpens;
        case HidAccess::ReadWrite:
            return i.readWriteOpens;
    }
    return false;
}

}  // namespace

std::unique_ptr<HidInterfaceList> ScriptedHidSystem::listInterfaces() {
    if (!listAvailable)
        return nullptr;
    return std::make_unique<ScriptedList>(interfaces);
}

std::unique_ptr<HidDevice> ScriptedHidSystem::open(std::string_view path, HidAccess access,
                                                   HidIoMode mode) {
    opens.push_back({std::string(path), access, mode});
    for (const ScriptedInterface& i : interfaces) {
        if (i.path != path || i.step != InterfaceStep::Interface)
            continue;
        if (!canOpen(i, access))
            return nullptr;
        return std::make_unique<ScriptedDevice>(i, wire, openDevices);
    }
    return nullptr;
}

std::unique_ptr<WakeEvent> ScriptedHidSystem::createEvent() {
    if (!eventAvailable)
        return nullptr;
    auto created = std::make_unique<CountingEvent>();
    event = created.get();
    return created;
}

int ScriptedHidSystem::probesOf(std::string_view path) const {
    return static_cast<int>(std::count_if(opens.begin(), opens.end(), [&](const OpenCall& c) {
        return c.path == path && c.access == HidAccess::None;
    }));
}

ScriptedInterface otherDevice(std::string path, std::uint16_t vendor, std::uint16_t product) {
    ScriptedInterface i;
    i.path = std::move(path);
    i.attributes = HidAttributes{vendor, product, 1};
    i.caps = {CapsStatus::Ok, {0x0001, 0x0002, 5, 0, 0}};
    return i;
}

ScriptedInterface mouseNotification(std::uint16_t inputLength) {
    ScriptedInterface i;
    i.path = R"(\\?\hid#vid_04d9&pid_a09f&mi_01&col01#1)";
    i.attributes = HidAttributes{kMouseVendorId, kMouseProductId, 0x0100};
    i.caps = {CapsStatus::Ok, {kNotificationUsage, kNotificationUsage, inputLength, 0, 0}};
    return i;
}

ScriptedInterface mouseCommand(std::uint16_t feature, std::uint16_t chunk) {
    ScriptedInterface i;
    i.path = R"(\\?\hid#vid_04d9&pid_a09f&mi_01&col02#2)";
    i.attributes = HidAttributes{kMouseVendorId, kMouseProductId, 0x0100};
    i.caps = {CapsStatus::Ok, {kCommandUsage, kCommandUsage, chunk, chunk, feature}};
    return i;
}

}  // namespace quorvel::testing
