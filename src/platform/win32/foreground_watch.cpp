#include "platform/win32/foreground_watch.h"

#include <utility>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

// The hook and timer procedures have no context of their own; the program watches once.
ForegroundWatch* gWatch = nullptr;

}  // namespace

std::string programOfWindow(HWND window) {
    if (window == nullptr)
        return {};
    DWORD process = 0;
    if (GetWindowThreadProcessId(window, &process) == 0 || process == GetCurrentProcessId())
        return {};
    const UniqueHandle<KernelHandleTraits> handle(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    if (!handle)
        return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = static_cast<DWORD>(std::size(path));
    if (!QueryFullProcessImageNameW(handle.get(), 0, path, &length))
        return {};
    const std::string full = utf8FromWide(path);
    const auto slash = full.find_last_of("\\/");
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

ForegroundWatch::ForegroundWatch(std::function<void(std::string_view)> changed)
    : changed_(std::move(changed)) {}

ForegroundWatch::~ForegroundWatch() {
    stopWatching();
}

void ForegroundWatch::startWatching() {
    if (gWatch != nullptr)
        return;
    gWatch = this;
    last_ = GetForegroundWindow();
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &onEvent, 0,
                            0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    // Without the hook the timer alone still sees every change, half a second late at most.
    timer_ = SetTimer(nullptr, 0, kForegroundPollMs, &onTimer);
}

void ForegroundWatch::stopWatching() {
    if (gWatch != this)
        return;
    // Failures leave nothing to retry: both end with the thread.
    if (hook_ != nullptr)
        (void)UnhookWinEvent(hook_);
    if (timer_ != 0)
        (void)KillTimer(nullptr, timer_);
    hook_ = nullptr;
    timer_ = 0;
    gWatch = nullptr;
}

std::string ForegroundWatch::foregroundProgram() {
    return programOfWindow(GetForegroundWindow());
}

void ForegroundWatch::look() {
    const HWND front = GetForegroundWindow();
    if (front == nullptr || front == last_)
        return;
    const std::string program = programOfWindow(front);
    if (program.empty())
        return;
    last_ = front;
    changed_(program);
}

void CALLBACK ForegroundWatch::onEvent(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
    if (event == EVENT_SYSTEM_FOREGROUND && gWatch != nullptr)
        gWatch->look();
}

void CALLBACK ForegroundWatch::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (gWatch != nullptr)
        gWatch->look();
}

}  // namespace quorvel::win32
