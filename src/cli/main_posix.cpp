// quorvelctl on Linux: the hidapi (hidraw) HID port, the POSIX clock, standard files.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/interrupt.h"
#include "platform/hidapi/hid_system_hidapi.h"
#include "platform/posix/clock_posix.h"
#include "platform/posix/disk_sync_posix.h"
#include "ports/std_files.h"

int main(int argc, char** argv) {
    using namespace quorvel;
    const std::vector<std::string> args(argv + 1, argv + argc);
    posix::PosixClock clock;
    posix::PosixDiskSync disk;
    StdFilesPort files(nullptr, &disk);
    cli::installInterruptHandler();
    cli::Platform platform{
        [] { return std::make_unique<hidapi::HidapiSystem>(); },
        clock,
        files,
        cli::kHidrawOpenFailureHint,
        cli::kHidrawNotFoundHint,
        cli::interruptRequested,
        cli::kSimulatedHidrawPaths,
    };
    return static_cast<int>(cli::run(args, platform, std::cout, std::cerr));
}
