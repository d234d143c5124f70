// A whole apply against the simulated mouse with the real clock: how far the elapsed time
// lies above the waits the protocol asks for (68 ms plus 3 ms per written chunk).
#include <algorithm>
#include <cstdio>
#include <vector>

#include "device/apply_sequence.h"
#include "real_clock.h"
#include "sim/simulated_mouse.h"

namespace {

class NoMessages : public quorvel::MessageBoxPort {
  public:
    void show(std::string_view, std::string_view) override {}
};

constexpr double kProtocolWaitMs = 68.0 + 3.0 * 58.0;
constexpr double kLimit = 1.01;
constexpr int kRuns = 15;

}  // namespace

int main() {
    using namespace quorvel;
    std::unique_ptr<Clock> clock = bench::makeRealClock();
    sim::SimulatedMouse mouse;
    NoMessages messages;
    DeviceLink link(mouse, messages, *clock);
    if (!link.discoverDevice() || !link.handshake()) {
        std::puts("the simulated mouse was not found");
        return 2;
    }
    MouseConfig config;
    applyDefaultAssignment(config);
    ApplyState state;

    std::vector<double> ratios;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = clock->now();
        applyToDevice(link, config, 0, state);
        const double elapsedMs =
            std::chrono::duration<double, std::milli>(clock->now() - start).count();
        ratios.push_back(elapsedMs / kProtocolWaitMs);
    }
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios[ratios.size() / 2];
    std::printf("clock: %s\n", bench::describeRealClock(*clock).c_str());
    std::printf("apply: %d runs, protocol waits %.0f ms, ratio min %.4f median %.4f max %.4f\n",
                kRuns, kProtocolWaitMs, ratios.front(), median, ratios.back());
    std::printf("%s (limit %.2f on the median)\n", median <= kLimit ? "ok" : "TOO SLOW", kLimit);
    return median <= kLimit ? 0 : 1;
}
