#include "platform/win32/clock_win32.h"

namespace quorvel::win32 {
namespace {

// Not in mingw-w64's headers yet; the value is fixed by the Windows SDK.
constexpr DWORD kHighResolutionTimer = 0x00000002;
constexpr UINT kOneMillisecondPeriod = 1;
constexpr std::chrono::nanoseconds kYieldStretch = std::chrono::microseconds(400);
constexpr LONGLONG kHundredNanosPerMilli = 10'000;

using TimePeriodFunction = UINT WINAPI(UINT);

}  // namespace

Win32Clock::Win32Clock() {
    QueryPerformanceFrequency(&frequency_);
    timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS));
    highResolution_ = timer_.valid();
    // Older systems reject the flag: a plain timer, with the tick raised around the waits.
    if (!timer_.valid())
        timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
}

Win32Clock::~Win32Clock() {
    if (periodRaised_) {
        preciseDepth_ = 1;
        endPreciseWaits();
    }
}

std::chrono::nanoseconds Win32Clock::now() const {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    const LONGLONG seconds = counter.QuadPart / frequency_.QuadPart;
    const LONGLONG rest = counter.QuadPart % frequency_.QuadPart;
    return std::chrono::seconds(seconds) +
           std::chrono::nanoseconds(rest * 1'000'000'000 / frequency_.QuadPart);
}

void Win32Clock::sleepMs(std::uint32_t ms) {
    const std::chrono::nanoseconds deadline = now() + std::chrono::milliseconds(ms);
    // Timers run late by a fraction of a millisecond (Wine's round up to whole ticks), which
    // adds up over the hundred short waits of an apply: the timer covers whole milliseconds
    // short of the deadline and the thread yields through the rest. The counter decides,
    // so a wait never ends early.
    for (std::chrono::nanoseconds left = deadline - now(); left.count() > 0;
         left = deadline - now()) {
        const auto timedMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(left - kYieldStretch);
        if (timedMs.count() <= 0) {
            SwitchToThread();
            continue;
        }
        if (!timer_.valid()) {
            Sleep(static_cast<DWORD>(timedMs.count()));
            continue;
        }
        LARGE_INTEGER due{};
        due.QuadPart = -static_cast<LONGLONG>(timedMs.count()) * kHundredNanosPerMilli;  // relative
        if (!SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) {
            Sleep(static_cast<DWORD>(timedMs.count()));
            continue;
        }
        // Only a dead handle fails here; the counter check above ends the loop regardless.
        (void)WaitForSingleObject(timer_.get(), INFINITE);
    }
}

void Win32Clock::beginPreciseWaits() {
    if (preciseDepth_++ > 0 || highResolution_)
        return;
    if (winmm_ == nullptr)
        winmm_ = std::make_unique<SystemLibrary>(L"winmm.dll");
    auto* begin = winmm_->function<TimePeriodFunction>("timeBeginPeriod");
    periodRaised_ = begin != nullptr && begin(kOneMillisecondPeriod) == 0;
}

void Win32Clock::endPreciseWaits() {
    if (preciseDepth_ == 0 || --preciseDepth_ > 0 || !periodRaised_)
        return;
    auto* end = winmm_->function<TimePeriodFunction>("timeEndPeriod");
    // Only a period that was never begun is refused, and periodRaised_ rules that out.
    if (end != nullptr)
        (void)end(kOneMillisecondPeriod);
    periodRaised_ = false;
}

bool optOutOfTimerThrottling() {
    // Looked up by name: Windows before 8 has no SetProcessInformation at all.
    using SetInformation = BOOL WINAPI(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    auto* set = reinterpret_cast<SetInformation*>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetProcessInformation")));
    if (set == nullptr)
        return false;
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;  // in the mask, clear: timer resolution requests are honoured
    return set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state)) != FALSE;
}

}  // namespace quorvel::win32
