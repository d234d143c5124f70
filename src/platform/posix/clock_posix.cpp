#include "platform/posix/clock_posix.h"

#include <sys/prctl.h>
#include <time.h>

#include <algorithm>
#include <cerrno>

namespace quorvel::posix {
namespace {

constexpr long kNanosPerSecond = 1'000'000'000;
constexpr long kNanosPerMilli = 1'000'000;
// Waking early costs a busy wait, and a thread that spins long is the first the scheduler
// puts aside on a loaded machine: past this much, late is cheaper than early.
constexpr long kMostEarly = 150'000;

long long nanosOf(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * kNanosPerSecond + t.tv_nsec;
}

timespec timespecOf(long long nanos) {
    return {static_cast<time_t>(nanos / kNanosPerSecond),
            static_cast<long>(nanos % kNanosPerSecond)};
}

long long monotonicNanos() {
    timespec t{};
    // CLOCK_MONOTONIC always exists; a failure would leave t at zero and end every wait at once.
    (void)clock_gettime(CLOCK_MONOTONIC, &t);
    return nanosOf(t);
}

// The kernel may end a sleep up to the thread's timer slack (50 us by default) late, to
// batch wake-ups; the protocol's 3 ms waits add that up once per data chunk.
void tightenTimerSlack() {
    static thread_local bool tightened = false;
    if (tightened)
        return;
    tightened = true;
    // Only a kernel without the option refuses; the sleeps then keep the default slack.
    (void)prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

}  // namespace

void PosixClock::sleepMs(std::uint32_t ms) {
    tightenTimerSlack();
    const long long deadline = monotonicNanos() + static_cast<long long>(ms) * kNanosPerMilli;
    const long early = lateness_.load(std::memory_order_relaxed);
    const timespec wake = timespecOf(deadline - early);
    // An absolute deadline: a signal that interrupts the sleep cannot shorten the wait.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
    }
    long long now = monotonicNanos();
    // The next sleep ends early by about the wake-up delay seen lately.
    const long late =
        static_cast<long>(std::clamp<long long>(now - (deadline - early), 0, kMostEarly));
    lateness_.store(early + (late - early) / 4, std::memory_order_relaxed);
    while (now < deadline)
        now = monotonicNanos();
}

std::chrono::nanoseconds PosixClock::now() const {
    return std::chrono::nanoseconds(monotonicNanos());
}

}  // namespace quorvel::posix
