// The walk over the system's HID interfaces that finds and opens the mouse.
#include "device/device_link.h"

namespace quorvel {
namespace {

bool isMouse(const HidAttributes& attributes) {
    return attributes.vendorId == kMouseVendorId && attributes.productId == kMouseProductId;
}

bool isNotificationInterface(const HidCaps& caps) {
    return caps.usagePage == kNotificationUsage && caps.usage == kNotificationUsage &&
           caps.inputReportLength != 0;
}

bool isCommandInterface(const HidCaps& caps) {
    return caps.usagePage == kCommandUsage && caps.usage == kCommandUsage &&
           caps.featureReportLength != 0;
}

// A collection that declares reports longer than the link's buffers is some other firmware.
bool reportsFit(const HidCaps& caps) {
    return caps.featureReportLength <= kMaxFeatureReportLength &&
           caps.inputReportLength <= kMaxChunkReportLength &&
           caps.outputReportLength <= kMaxChunkReportLength;
}

}  // namespace

DeviceLink::DeviceLink(HidSystem& system, MessageBoxPort& messages, Clock& clock,
                       const ScramblerKeys& programKeys)
    : system_(system),
      messages_(messages),
      clock_(clock),
      programKeys_(programKeys),
      event_(system.createEvent()) {
    // The table key is a constant; the handshake key is set by the first scrambled pass.
    keys_.table = programKeys_.table;
}

DeviceLink::~DeviceLink() {
    close();
}

void DeviceLink::report(std::string_view text) {
    messages_.show(text, kAppTitle);
}

void DeviceLink::setConnected(bool connected) {
    if (connected_.exchange(connected) != connected)
        wakeReader();
}

void DeviceLink::close() {
    connected_.store(false);
    notificationRead_.store(nullptr);
    notificationWrite_.reset();
    command_.reset();
    // A reader blocked on the old handle lets go of it now.
    wakeReader();
}

DiscoveryResult DeviceLink::discover() {
    // The previous command handle is given up first: a failed walk leaves none behind.
    command_.reset();
    featureLength_ = inputLength_ = outputLength_ = 0;

    const std::unique_ptr<HidInterfaceList> list = system_.listInterfaces();
    if (list == nullptr)
        return DiscoveryResult::ListUnavailable;

    for (std::size_t index = 0;; ++index) {
        const InterfaceEntry entry = list->entry(index);
        switch (entry.step) {
            case InterfaceStep::NoMoreItems:
                return DiscoveryResult::NotFound;
            case InterfaceStep::EnumerationError:
                return DiscoveryResult::EnumerationFailed;
            case InterfaceStep::DetailFailed:
                report(discovery_text::kDetailFailed);
                return DiscoveryResult::DetailFailed;
            case InterfaceStep::Interface:
                break;
        }
        devicePath_ = entry.path;

        CapsResult caps;
        {
            // The probe needs no access rights: attributes and capabilities only.
            const std::unique_ptr<HidDevice> probe =
                system_.open(entry.path, HidAccess::None, HidIoMode::Synchronous);
            if (probe == nullptr)
                return DiscoveryResult::ProbeFailed;
            const std::optional<HidAttributes> attributes = probe->attributes();
            if (!attributes || !isMouse(*attributes))
                continue;
            caps = probe->capabilities();
        }
        if (caps.status == CapsStatus::PreparsedDataFailed) {
            report(discovery_text::kPreparsedDataFailed);
            return DiscoveryResult::PreparsedDataFailed;
        }
        if (caps.status == CapsStatus::InvalidPreparsedData) {
            report(discovery_text::kCapsFailed);
            return DiscoveryResult::CapsFailed;
        }

        if (isNotificationInterface(caps.caps)) {
            const DiscoveryResult opened = openNotification(entry.path, caps.caps);
            if (opened != DiscoveryResult::Found)
                return opened;
        } else if (isCommandInterface(caps.caps) && reportsFit(caps.caps)) {
            return openCommand(entry.path, caps.caps);
        }
    }
}

DiscoveryResult DeviceLink::openNotification(const std::string& path, const HidCaps& caps) {
    std::shared_ptr<HidDevice> reader = system_.open(path, HidAccess::Read, HidIoMode::Overlapped);
    if (reader == nullptr)
        return DiscoveryResult::NotificationOpenFailed;
    notificationLength_.store(caps.inputReportLength);
    notificationRead_.store(std::move(reader));
    // Wakes a reader that sleeps while no notification interface is open.
    wakeReader();
    notificationWrite_ = system_.open(path, HidAccess::Write, HidIoMode::Overlapped);
    if (notificationWrite_ == nullptr)
        return DiscoveryResult::NotificationOpenFailed;
    return DiscoveryResult::Found;
}

DiscoveryResult DeviceLink::openCommand(const std::string& path, const HidCaps& caps) {
    command_ = system_.open(path, HidAccess::ReadWrite, HidIoMode::Synchronous);
    if (command_ == nullptr)
        return DiscoveryResult::CommandOpenFailed;
    featureLength_ = caps.featureReportLength;
    inputLength_ = caps.inputReportLength;
    outputLength_ = caps.outputReportLength;
    // The handshake decides; until then the flag says "the command interface is open".
    setConnected(true);
    return DiscoveryResult::Found;
}

}  // namespace quorvel
