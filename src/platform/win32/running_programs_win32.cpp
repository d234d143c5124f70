#include "platform/win32/running_programs_win32.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

struct Found {
    DWORD ownProcess = 0;
    std::vector<DWORD> processes;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM context) {
    auto& found = *reinterpret_cast<Found*>(context);
    if (!IsWindowVisible(window))
        return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != 0 && process != found.ownProcess)
        found.processes.push_back(process);
    return TRUE;
}

std::string fileNameOf(DWORD process) {
    UniqueKernelHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    if (!handle)
        return {};
    // The longest path the system allows.
    std::vector<wchar_t> path(32768, L'\0');
    auto length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(handle.get(), 0, path.data(), &length))
        return {};
    const std::string full = utf8FromWide(path.data());
    const auto slash = full.find_last_of("\\/");
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

}  // namespace

std::vector<std::string> programsWithVisibleWindows() {
    Found found;
    found.ownProcess = GetCurrentProcessId();
    // A failed enumeration lists what it found before it stopped.
    (void)EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&found));
    std::vector<std::string> names;
    for (DWORD process : found.processes) {
        if (std::string name = fileNameOf(process); !name.empty())
            names.push_back(std::move(name));
    }
    return names;
}

}  // namespace quorvel::win32
