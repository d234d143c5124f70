#include "platform/posix/clock_posix.h"
#include "real_clock.h"

namespace quorvel::bench {

std::unique_ptr<Clock> makeRealClock() {
    return std::make_unique<posix::PosixClock>();
}
std::string describeRealClock(const Clock&) {
    return "clock_nanosleep to just short of the deadline, the rest awake";
}

}  // namespace quorvel::bench
