// Switching between two profiles against the simulated mouse with the real clock: a switch
// that changes buttons and one DPI stage must cost at most a quarter of a whole apply, in
// the waits the protocol asks for and in elapsed time.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "device/apply_sequence.h"
#include "real_clock.h"
#include "sim/simulated_mouse.h"

namespace {

using namespace quorvel;

class NoMessages : public MessageBoxPort {
  public:
    void show(std::string_view, std::string_view) override {}
};

// The real clock, adding up the waits asked of it.
class CountingClock : public Clock {
  public:
    explicit CountingClock(Clock& real) : real_(real) {}
    void sleepMs(std::uint32_t ms) override {
        askedMs += ms;
        real_.sleepMs(ms);
    }
    std::chrono::nanoseconds now() const override { return real_.now(); }
    void beginPreciseWaits() override { real_.beginPreciseWaits(); }
    void endPreciseWaits() override { real_.endPreciseWaits(); }
    std::uint64_t askedMs = 0;

  private:
    Clock& real_;
};

constexpr double kLimit = 0.25;
constexpr int kRuns = 15;

struct Cost {
    double askedMs;
    double elapsedMs;
};

template <typename Send>
Cost measure(CountingClock& clock, Send send) {
    clock.askedMs = 0;
    const auto start = clock.now();
    send();
    return {static_cast<double>(clock.askedMs),
            std::chrono::duration<double, std::milli>(clock.now() - start).count()};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    std::unique_ptr<Clock> real = bench::makeRealClock();
    CountingClock clock(*real);
    sim::SimulatedMouse mouse;
    NoMessages messages;
    DeviceLink link(mouse, messages, clock);
    if (!link.discoverDevice() || !link.handshake()) {
        std::puts("the simulated mouse was not found");
        return 2;
    }
    MouseConfig desktop;
    applyDefaultAssignment(desktop);
    MouseConfig game = desktop;
    game.setFunctionCode(Mode::A, 3, codeByte(FunctionCode::KeyOff));
    game.setFunctionCode(Mode::B, 5, codeByte(FunctionCode::KeyOff));
    game.setDpiValueIndex(2, static_cast<std::uint8_t>(desktop.dpiValueIndex(2) + 1));

    std::vector<double> wholeAsked, wholeElapsed, switchAsked, switchElapsed;
    for (int run = 0; run < kRuns; ++run) {
        ApplyState state;
        const Cost whole = measure(clock, [&] { applyToDevice(link, desktop, 0, state); });
        wholeAsked.push_back(whole.askedMs);
        wholeElapsed.push_back(whole.elapsedMs);
        const Cost change = measure(clock, [&] {
            if (switchDevice(link, game, 0, state).empty())
                std::puts("a switch sent nothing");
        });
        switchAsked.push_back(change.askedMs);
        switchElapsed.push_back(change.elapsedMs);
    }
    const double askedRatio = median(switchAsked) / median(wholeAsked);
    const double elapsedRatio = median(switchElapsed) / median(wholeElapsed);
    std::printf("clock: %s\n", bench::describeRealClock(*real).c_str());
    std::printf("whole apply: waits %.0f ms, elapsed median %.1f ms\n", median(wholeAsked),
                median(wholeElapsed));
    std::printf("switch (buttons and one DPI stage): waits %.0f ms, elapsed median %.1f ms\n",
                median(switchAsked), median(switchElapsed));
    std::printf("ratio: waits %.3f, elapsed %.3f\n", askedRatio, elapsedRatio);
    const bool ok = askedRatio <= kLimit && elapsedRatio <= kLimit;
    std::printf("%s (limit %.2f on both)\n", ok ? "ok" : "TOO SLOW", kLimit);
    return ok ? 0 : 1;
}
