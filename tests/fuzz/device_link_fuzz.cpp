// The device link against a mouse whose every answer is hostile: discovery, handshake,
// commands, block transfers, a whole apply and the notification reader, in any order.

#include "config/mouse_config.h"
#include "device/apply_sequence.h"
#include "device/device_link.h"
#include "device/notification_reader.h"
#include "fuzz/fuzz_check.h"
#include "support/byte_source.h"
#include "support/device/fake_clock.h"
#include "support/device/hostile_hid_system.h"
#include "support/recording_message_box.h"

namespace {

using namespace quorvel;
using quorvel::testing::ByteSource;

constexpr int kMaxSteps = 48;
constexpr std::size_t kMaxBlockBuffer = 300;  // past the largest block an answer can announce

// What the UI thread may do while a notice is being handed on.
void interfere(ByteSource& source, DeviceLink& link) {
    switch (source.below(4)) {
        case 1:
            link.close();
            break;
        case 2:
            link.setConnected(false);
            break;
        case 3:
            (void)link.discover();
            break;
        default:
            break;
    }
}

void runReader(ByteSource& source, quorvel::testing::HostileHidSystem& system, DeviceLink& link) {
    NotificationReader reader(link, [&](std::uint8_t kind, std::uint8_t /*value*/) {
        FUZZ_REQUIRE(kind == notice::kReportRateChanged || kind == notice::kDpiStageChanged ||
                     kind == notice::kKeyMatrixChanged || kind == notice::kMacroKey);
        interfere(source, link);
    });
    system.idle = [&] { reader.stop(); };
    reader.run();
    system.idle = nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteSource source(data, size);
    quorvel::testing::HostileHidSystem system(source);
    quorvel::testing::RecordingMessageBox messages;
    quorvel::testing::FakeClock clock;
    DeviceLink link(system, messages, clock);
    MouseConfig config;
    ApplyState state;
    std::vector<std::uint8_t> notices;
    link.setNoticeHandler(
        [&](std::uint8_t kind, std::uint8_t /*value*/) { notices.push_back(kind); });

    for (int step = 0; step < kMaxSteps && !source.exhausted(); ++step) {
        switch (source.below(10)) {
            case 0: {
                // Found means a command interface is open; a failed walk leaves none behind.
                const bool found = link.discover() == DiscoveryResult::Found;
                FUZZ_REQUIRE(found == link.commandOpen());
                FUZZ_REQUIRE(!found || link.connected());
                break;
            }
            case 1: {
                const std::size_t before = notices.size();
                const bool accepted = link.handshake();
                FUZZ_REQUIRE(accepted == link.connected() && accepted == link.scrambling());
                FUZZ_REQUIRE(notices.size() == before + 1 &&
                             notices.back() ==
                                 (accepted ? notice::kMouseDetected : notice::kMouseNotDetected));
                break;
            }
            case 2: {
                CommandReport report =
                    CommandReport::make(source.byte(), source.byte(), source.byte(), source.byte());
                (void)link.sendCommand(report);
                break;
            }
            case 3: {
                CommandReport header =
                    CommandReport::make(source.byte(), source.byte(), source.byte());
                std::vector<std::uint8_t> buffer(source.below(kMaxBlockBuffer));
                const std::size_t moved = link.transferBlock(header, buffer);
                FUZZ_REQUIRE(moved <= buffer.size());
                break;
            }
            case 4:
                (void)link.exchangeSensorInformation();
                break;
            case 5: {
                const auto waitsBefore = clock.waits.size();
                applyToDevice(link, config, source.below(4), state);
                FUZZ_REQUIRE(clock.preciseBegun == clock.preciseEnded);
                FUZZ_REQUIRE(clock.waits.size() > waitsBefore);
                break;
            }
            case 6:
                runReader(source, system, link);
                break;
            case 7:
                link.close();
                FUZZ_REQUIRE(!link.commandOpen() && !link.notificationOpen() && !link.connected());
                break;
            case 8:
                link.setConnected(source.flag());
                break;
            default: {
                const auto bytes = source.bytes(record::kSize);
                std::copy(bytes.begin(), bytes.end(), config.bytes().begin());
                break;
            }
        }
    }
    return 0;
}
