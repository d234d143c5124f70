#include "platform/posix/clock_posix.h"

#include <time.h>

#include <cerrno>

namespace quorvel::posix {
namespace {

constexpr long kNanosPerSecond = 1'000'000'000;
constexpr long kNanosPerMilli = 1'000'000;

}  // namespace

void PosixClock::sleepMs(std::uint32_t ms) {
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += static_cast<time_t>(ms / 1000);
    deadline.tv_nsec += static_cast<long>(ms % 1000) * kNanosPerMilli;
    if (deadline.tv_nsec >= kNanosPerSecond) {
        deadline.tv_nsec -= kNanosPerSecond;
        ++deadline.tv_sec;
    }
    // An absolute deadline: a signal that interrupts the sleep cannot shorten the wait.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

std::chrono::nanoseconds PosixClock::now() const {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

}  // namespace quorvel::posix
