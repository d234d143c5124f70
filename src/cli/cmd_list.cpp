// list: every HID interface of the mouse, with what the system says of it.
#include <cstdio>

#include "cli/command.h"
#include "cli/device_session.h"

namespace quorvel::cli {
namespace {

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

}  // namespace

ExitCode runList(const Context& context) {
    DeviceSession session(context);
    HidSystem* system = session.system();
    if (system == nullptr)
        return context.fail(session.error());
    const auto list = system->listInterfaces();
    if (list == nullptr) {
        return context.fail(
            discoveryFailureText(DiscoveryResult::ListUnavailable, {}, context.platform));
    }
    int found = 0;
    for (std::size_t index = 0;; ++index) {
        const InterfaceEntry entry = list->entry(index);
        if (entry.step == InterfaceStep::NoMoreItems)
            break;
        if (entry.step != InterfaceStep::Interface)
            continue;
        // A probe without access rights, as discovery makes it.
        const auto probe = system->open(entry.path, HidAccess::None, HidIoMode::Synchronous);
        if (probe == nullptr)
            continue;
        const auto attributes = probe->attributes();
        if (!attributes || attributes->vendorId != kMouseVendorId ||
            attributes->productId != kMouseProductId) {
            continue;
        }
        const CapsResult caps = probe->capabilities();
        ++found;
        context.out << entry.path << "\n";
        if (caps.status != CapsStatus::Ok) {
            context.out << "  capabilities: cannot be read\n";
            continue;
        }
        const bool command =
            caps.caps.usagePage == kCommandUsage && caps.caps.usage == kCommandUsage;
        const bool notification =
            caps.caps.usagePage == kNotificationUsage && caps.caps.usage == kNotificationUsage;
        context.out << "  usage page " << hex4(caps.caps.usagePage) << ", usage "
                    << hex4(caps.caps.usage)
                    << (command        ? " (command interface)"
                        : notification ? " (notification interface)"
                                       : "")
                    << "\n  report lengths: input " << caps.caps.inputReportLength << ", output "
                    << caps.caps.outputReportLength << ", feature " << caps.caps.featureReportLength
                    << "\n";
    }
    if (found == 0)
        return context.fail(discoveryFailureText(DiscoveryResult::NotFound, {}, context.platform));
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
