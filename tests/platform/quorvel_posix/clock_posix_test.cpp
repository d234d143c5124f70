#include <gtest/gtest.h>

#include "platform/posix/clock_posix.h"

namespace quorvel {
namespace {

TEST(PosixClock, AWaitNeverEndsEarly) {
    posix::PosixClock clock;
    for (std::uint32_t ms : {0u, 1u, 2u}) {
        const auto start = clock.now();
        clock.sleepMs(ms);
        EXPECT_GE(clock.now() - start, std::chrono::milliseconds(ms));
    }
}

}  // namespace
}  // namespace quorvel
