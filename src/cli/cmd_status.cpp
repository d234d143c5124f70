// status: discovery, handshake and the sensor type, one line each.
#include "cli/command.h"
#include "cli/device_session.h"
#include "config/dpi_tables.h"

namespace quorvel::cli {

ExitCode runStatus(const Context& context) {
    DeviceSession session(context);
    if (session.system() == nullptr)
        return context.fail(session.error());
    if (!session.connect()) {
        if (session.discovery() == DiscoveryResult::Found) {
            context.out << "discovery: found the mouse at " << session.link().devicePath() << "\n";
        }
        return context.fail(session.error());
    }
    DeviceLink& link = session.link();
    context.out << "discovery: found the mouse at " << link.devicePath() << "\n"
                << "handshake: answered (" << (link.scrambling() ? "scrambled" : "plain")
                << " session)\n";
    const SensorInformation sensor = link.exchangeSensorInformation();
    std::string values;
    for (const auto text : dpiValueList(sensor.sensorType)) {
        values += (values.empty() ? "" : " ") + std::string(text);
    }
    context.out << "sensor type: " << static_cast<int>(sensor.sensorType) << " ("
                << (values.empty() ? std::string("no DPI list known") : "DPI " + values) << ")\n";
    return ExitCode::Ok;
}

}  // namespace quorvel::cli
