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

namespace {

std::string utf8FromWide(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace quorvel;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(utf8FromWide(argv[i]));
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
        cli::interruptRequested,
    };
    return static_cast<int>(cli::run(args, platform, std::cout, std::cerr));
}
