// quorvelctl: the command-line tool over the portable core. The thin mains supply the
// system's HID port, clock and files; everything else is here.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "device/hid_system.h"
#include "ports/clock.h"
#include "ports/files.h"
#include "sim/simulated_mouse.h"

namespace quorvel::cli {

enum class ExitCode : int { Ok = 0, Failure = 1, Usage = 2 };

inline constexpr std::string_view kUdevRuleName = "70-quorvelmouse.rules";
// Linux: a hidraw node the user may not open is the usual reason, and the rule the cure.
inline constexpr std::string_view kHidrawOpenFailureHint =
    "most likely its hidraw node is not readable by you: install the udev rule "
    "70-quorvelmouse.rules (see quorvelctl(1)) and plug the mouse in again";

// Linux: what to try when no mouse is listed at all.
inline constexpr std::string_view kHidrawNotFoundHint =
    "check that it is plugged in (another cable or USB port may help); the udev rule "
    "packaging/70-quorvelmouse.rules lets you reach it (cmake --install puts it in "
    "lib/udev/rules.d under the prefix; else copy it to /etc/udev/rules.d/, run 'udevadm "
    "control --reload' and plug the mouse in again); --simulate runs without a mouse";

// hidraw nodes, as the simulated mouse's interfaces would be named on Linux.
inline const sim::SimPaths kSimulatedHidrawPaths = {"/dev/hidraw-sim0", "/dev/hidraw-sim1",
                                                    "/dev/hidraw-sim2"};

struct Platform {
    // The system's HID port; nullptr when it cannot be had.
    std::function<std::unique_ptr<HidSystem>()> openHid;
    Clock& clock;
    FilesPort& files;
    // What to try when the mouse is listed but cannot be opened.
    std::string_view openFailureHint;
    // What to try when no mouse is listed.
    std::string_view notFoundHint;
    // True once the user asked to stop (Ctrl+C); polled by long-running commands.
    std::function<bool()> interrupted;
    // The simulated mouse's paths, in the form this system gives its own.
    sim::SimPaths simulatedPaths = {};
};

// args without the program name. Output goes to `out`, every failure as one line to `err`.
ExitCode run(std::span<const std::string> args, Platform& platform, std::ostream& out,
             std::ostream& err);

}  // namespace quorvel::cli
