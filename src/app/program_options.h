// The command line of QuorvelMouse.exe: "--simulate" runs it against the simulated mouse, and
// "--sensor N" chooses the sensor type that mouse reports, so the 8-level pages can be run
// without hardware.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quorvel {

struct ProgramOptions {
    bool simulate = false;
    // Any byte the mouse could report: types other than 1 to 3 are drawn as type 0.
    std::uint8_t sensorType = 0;
};

// `arguments` without the program name. Unknown words are left to Windows' conventions
// (ignored); a sensor value that is not a number from 0 to 255 keeps the default 0.
ProgramOptions parseProgramOptions(std::span<const std::string> arguments);

}  // namespace quorvel
