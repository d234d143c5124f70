#include <gtest/gtest.h>

#include "device/device_link.h"
#include "sim/simulated_mouse.h"
#include "support/device/fake_clock.h"
#include "support/device/scripted_hid_system.h"
#include "support/device/trace_recorder.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

using testing::FakeClock;
using testing::RecordingMessageBox;
using testing::ScriptedHidSystem;
using testing::TraceRecorder;

using Bytes = std::vector<std::uint8_t>;

Bytes featureAnswer(ReportBytes plain, const ScramblerKeys* keys) {
    if (keys != nullptr)
        scramble(plain, *keys);
    Bytes raw(9, 0);
    std::copy(plain.begin(), plain.end(), raw.begin() + 1);
    return raw;
}

ReportBytes sealed(CommandReport r) {
    r.sealCheckByte();
    return r.bytes;
}

// A link over a scripted device, its scrambling switched on or off by a scripted handshake.
class Exchanges : public ::testing::Test {
  protected:
    void SetUp() override {
        system_.interfaces = {testing::mouseNotification(), testing::mouseCommand()};
        link_.setObserver(&trace_);
        ASSERT_TRUE(link_.discoverDevice());
    }
    void handshakeScrambled() {
        const ReportBytes echo = sealed(CommandReport::make(0, 0x51, 0x7A, 0x3C, 0x09));
        wire().featureAnswers.push_back(Bytes(9, 0));
        wire().featureAnswers.push_back(featureAnswer(echo, &kProgramKeys));
        ASSERT_TRUE(link_.handshake());
        wire().featuresSet.clear();
        trace_.lines.clear();
        clock_.waits.clear();
    }
    testing::ScriptedWire& wire() { return *system_.wire; }

    ScriptedHidSystem system_;
    RecordingMessageBox messages_;
    FakeClock clock_;
    TraceRecorder trace_;
    DeviceLink link_{system_, messages_, clock_};
};

TEST_F(Exchanges, PlainWireBytesAreTheReportWithItsCheckByte) {
    CommandReport rate = CommandReport::make(command::kReportRate, 0x02);
    EXPECT_TRUE(link_.sendCommand(rate));
    ASSERT_EQ(wire().featuresSet.size(), 1u);
    EXPECT_EQ(wire().featuresSet[0], (Bytes{0x00, 0x01, 0x02, 0, 0, 0, 0, 0, 0xFC}))
        << "report identifier 0, P0 to P7, the declared feature length";
    EXPECT_EQ(wire().featureGets, 0) << "a write is not answered";
    wire().setFeatureResult = false;
    EXPECT_FALSE(link_.sendCommand(rate)) << "a write returns the feature write's result";
}

TEST_F(Exchanges, ScrambledWireBytesAreTheScrambledReport) {
    handshakeScrambled();
    CommandReport rate = CommandReport::make(command::kReportRate, 0x02);
    (void)link_.sendCommand(rate);
    ReportBytes expected = sealed(CommandReport::make(command::kReportRate, 0x02));
    scramble(expected, kProgramKeys);
    ASSERT_EQ(wire().featuresSet.size(), 1u);
    EXPECT_EQ(Bytes(wire().featuresSet[0].begin() + 1, wire().featuresSet[0].end()),
              Bytes(expected.begin(), expected.end()));
    // The trace stays plain.
    EXPECT_EQ(trace_.lines, (std::vector<std::string>{"feature-set 01 02 00 00 00 00 00 fc"}));
}

TEST_F(Exchanges, ARequestIsReplacedByItsUnscrambledAnswer) {
    handshakeScrambled();
    const ReportBytes answer = {0x83, 0x02, 0x08, 0x11, 0x01, 0, 0, 0x60};
    wire().featureAnswers.push_back(featureAnswer(answer, &kProgramKeys));
    CommandReport request = CommandReport::make(command::kSensorRead);
    (void)link_.sendCommand(request);
    EXPECT_EQ(request.bytes, answer);
    EXPECT_EQ(trace_.lines, (std::vector<std::string>{"feature-set 83 00 00 00 00 00 00 7c",
                                                      "feature-get 83 02 08 11 01 00 00 60"}));
}

TEST_F(Exchanges, ASilentMouseGivesZeroAnswersInPlainForm) {
    CommandReport request = CommandReport::make(command::kEffectRead, 9, 9);
    (void)link_.sendCommand(request);
    EXPECT_EQ(request.bytes, ReportBytes{});
}

TEST_F(Exchanges, BlockOfTwentyFourBytesIsOneChunkEndingInZeros) {
    std::array<std::uint8_t, 24> data{};
    for (std::size_t i = 0; i < 16; ++i)
        data[i] = static_cast<std::uint8_t>(i + 1);
    CommandReport header = CommandReport::make(command::kStageColours, 1, 24);
    EXPECT_EQ(link_.transferBlock(header, data), 24u);
    ASSERT_EQ(wire().outputs.size(), 1u);
    const Bytes& chunk = wire().outputs[0];
    ASSERT_EQ(chunk.size(), 33u);
    EXPECT_EQ(chunk[0], 0);
    EXPECT_EQ(chunk[1], 1);
    EXPECT_EQ(chunk[16], 16);
    for (std::size_t i = 17; i < 33; ++i)
        EXPECT_EQ(chunk[i], 0) << i;
    EXPECT_EQ(clock_.waits, (std::vector<std::uint32_t>{3}));
}

TEST_F(Exchanges, BlockOfLengthZeroIsTheHeaderOnly) {
    CommandReport header = CommandReport::make(command::kStageColours, 0, 0);
    EXPECT_EQ(link_.transferBlock(header, {}), 0u);
    EXPECT_EQ(wire().featuresSet.size(), 1u);
    EXPECT_TRUE(wire().outputs.empty());
    EXPECT_TRUE(clock_.waits.empty());
}

TEST_F(Exchanges, AShortCallerBufferIsPaddedNeverOverread) {
    std::array<std::uint8_t, 40> data;
    data.fill(0x11);
    CommandReport header = CommandReport::make(command::kMacroWrite, 1, 0x80);
    EXPECT_EQ(link_.transferBlock(header, data), 40u);
    ASSERT_EQ(wire().outputs.size(), 4u);
    EXPECT_EQ(wire().outputs[1][8], 0x11);
    EXPECT_EQ(wire().outputs[1][9], 0x00);
    EXPECT_EQ(wire().outputs[3], Bytes(33, 0));
    EXPECT_EQ(clock_.waits, (std::vector<std::uint32_t>{3, 3, 3, 3}));
}

TEST_F(Exchanges, BlockReadTakesTheChunkCountFromTheAnswer) {
    wire().featureAnswers.push_back(
        featureAnswer(sealed(CommandReport::make(0x93, 2, 40)), nullptr));
    for (std::uint8_t c = 1; c <= 2; ++c) {
        Bytes input(33, c);
        input[0] = 0;
        wire().inputs.push_back(input);
    }
    std::array<std::uint8_t, 64> data{};
    CommandReport header = CommandReport::make(command::kMacroRead, 2);
    EXPECT_EQ(link_.transferBlock(header, data), 64u);
    EXPECT_EQ(header.p(1), 2);
    EXPECT_EQ(header.blockLength(), 40);
    EXPECT_EQ(wire().inputReads, 2);
    EXPECT_EQ(data[0], 1);
    EXPECT_EQ(data[63], 2);
    EXPECT_TRUE(clock_.waits.empty()) << "no delay between chunk reads";
}

TEST_F(Exchanges, AnOverlongReadBackIsReadInFullButStoredOnlyAsFarAsItFits) {
    wire().featureAnswers.push_back(
        featureAnswer(sealed(CommandReport::make(0x93, 1, 255)), nullptr));
    for (int c = 0; c < 8; ++c)
        wire().inputs.push_back(Bytes(33, 0x5A));
    std::array<std::uint8_t, 129> data{};
    data[128] = 0x77;  // the guard byte past the caller's block
    CommandReport header = CommandReport::make(command::kMacroRead, 1);
    EXPECT_EQ(link_.transferBlock(header, std::span(data).first(128)), 128u);
    EXPECT_EQ(wire().inputReads, 8) << "the device's stream stays in step";
    EXPECT_EQ(data[127], 0x5A);
    EXPECT_EQ(data[128], 0x77);
}

sim::SimOptions withFault(sim::WireFault fault) {
    sim::SimOptions options;
    options.wireFault = fault;
    return options;
}

sim::SimOptions withKeys(ScramblerKeys keys) {
    sim::SimOptions options;
    options.keys = keys;
    return options;
}

class Handshake : public ::testing::Test {
  protected:
    explicit Handshake(sim::SimOptions options = {}) : mouse_(std::move(options)) {
        link_.setObserver(&trace_);
        link_.setNoticeHandler(
            [this](std::uint8_t kind, std::uint8_t) { notices_.push_back(kind); });
    }
    sim::SimulatedMouse mouse_;
    RecordingMessageBox messages_;
    FakeClock clock_;
    TraceRecorder trace_;
    DeviceLink link_{mouse_, messages_, clock_};
    std::vector<std::uint8_t> notices_;
};

TEST_F(Handshake, AScrambledEchoConnects) {
    ASSERT_TRUE(link_.discoverDevice());
    EXPECT_TRUE(link_.handshake());
    EXPECT_TRUE(link_.connected());
    EXPECT_TRUE(link_.scrambling());
    EXPECT_EQ(link_.keys().handshake, kProgramKeys.handshake);
    EXPECT_EQ(notices_, (std::vector<std::uint8_t>{notice::kMouseDetected}));
    EXPECT_TRUE(mouse_.scrambledSession());
    EXPECT_EQ(trace_.lines,
              (std::vector<std::string>{"feature-set 00 51 7a 3c 09 00 00 ef", "sleep 5",
                                        "feature-get 00 00 00 00 00 00 00 00",
                                        "feature-set 00 51 7a 3c 09 00 00 ef", "sleep 5",
                                        "feature-get 00 51 7a 3c 09 00 00 ef"}));
    EXPECT_EQ(clock_.waits, (std::vector<std::uint32_t>{5, 5}));
}

TEST_F(Handshake, WithoutADeviceItFailsQuietly) {
    EXPECT_FALSE(link_.handshake());
    EXPECT_EQ(notices_, (std::vector<std::uint8_t>{notice::kMouseNotDetected}));
    EXPECT_FALSE(link_.connected());
}

struct PlainEchoHandshake : Handshake {
    PlainEchoHandshake() : Handshake(withFault(sim::WireFault::PlainEcho)) {}
};

TEST_F(PlainEchoHandshake, APlainEchoIsRefused) {
    ASSERT_TRUE(link_.discoverDevice());
    EXPECT_TRUE(link_.connected()) << "discovery alone says the interface is open";
    EXPECT_FALSE(link_.handshake());
    EXPECT_FALSE(link_.connected());
    EXPECT_FALSE(link_.scrambling());
    EXPECT_EQ(notices_, (std::vector<std::uint8_t>{notice::kMouseNotDetected}));
    EXPECT_EQ(trace_.lines.size(), 3u) << "no second pass";
}

struct SilentHandshake : Handshake {
    SilentHandshake() : Handshake(withFault(sim::WireFault::Silent)) {}
};

TEST_F(SilentHandshake, ASilentMouseIsNotDetected) {
    ASSERT_TRUE(link_.discoverDevice());
    EXPECT_FALSE(link_.handshake());
    EXPECT_FALSE(link_.scrambling());
    EXPECT_EQ(notices_, (std::vector<std::uint8_t>{notice::kMouseNotDetected}));
    EXPECT_EQ(trace_.lines.size(), 6u);
}

struct ForeignKeysHandshake : Handshake {
    ForeignKeysHandshake()
        : Handshake(withKeys({{0, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0},
                              {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37}})) {}
};

TEST_F(ForeignKeysHandshake, FirmwareWithOtherKeysIsNotDetected) {
    ASSERT_TRUE(link_.discoverDevice());
    EXPECT_FALSE(link_.handshake());
    EXPECT_FALSE(link_.connected());
}

TEST_F(Handshake, SensorInformationIsWrittenBackWithOption2Bit6) {
    sim::FirmwareState state = mouse_.firmwareState();
    state.sensor = {2, 0x08, 0x11, 0x01};
    mouse_.setFirmwareState(state);
    ASSERT_TRUE(link_.discoverDevice());
    ASSERT_TRUE(link_.handshake());
    const SensorInformation info = link_.exchangeSensorInformation();
    EXPECT_EQ(info.sensorType, 2);
    EXPECT_EQ(info.option2, 0x41);
    const SensorInformation stored = mouse_.firmwareState().sensor;
    EXPECT_EQ(stored.sensorType, 2);
    EXPECT_EQ(stored.rate, 0x08);
    EXPECT_EQ(stored.option1, 0x11);
    EXPECT_EQ(stored.option2, 0x41);
}

}  // namespace
}  // namespace quorvel
