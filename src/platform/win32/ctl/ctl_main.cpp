// quorvelctl.exe: the Win32 HID port, the Win32 clock and files; UTF-16 arguments in,
// UTF-8 text out.
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/interrupt.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/hid_system_win32.h"
#include "platform/win32/wide_text.h"

int wmain(int argc, wchar_t** argv) {
    using namespace quorvel;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(win32::utf8FromWide(argv[i]));
    // Names of files and macros are UTF-8; so is what the console is asked to show.
    SetConsoleOutputCP(CP_UTF8);
    win32::Win32Clock clock;
    win32::Win32FilesPort files;
    cli::installInterruptHandler();
    cli::Platform platform{
        []() -> std::unique_ptr<HidSystem> {
            auto system = std::make_unique<win32::Win32HidSystem>();
            if (!system->available())
                return nullptr;
            return system;
        },
        clock,
        files,
        "another program may hold it exclusively; close it and try again",
        "check that it is plugged in (another cable or USB port may help); --simulate runs "
        "without a mouse",
        cli::interruptRequested,
    };
    return static_cast<int>(cli::run(args, platform, std::cout, std::cerr));
}
