#include "cli/interrupt.h"

#include <csignal>

namespace quorvel::cli {
namespace {

volatile std::sig_atomic_t requested = 0;

extern "C" void onInterrupt(int) {
    requested = 1;
}

}  // namespace

void installInterruptHandler() {
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

bool interruptRequested() {
    return requested != 0;
}

}  // namespace quorvel::cli
