#include <gtest/gtest.h>

#include "device/apply_sequence.h"
#include "sim/simulated_mouse.h"
#include "support/device/fake_clock.h"
#include "support/device/trace_recorder.h"
#include "support/recording_message_box.h"

namespace quorvel {
namespace {

using testing::FakeClock;
using testing::RecordingMessageBox;
using testing::TraceRecorder;
using Lines = std::vector<std::string>;

std::string zeros(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += " 00";
    return s;
}

// A known record: default buttons, report rate 8, Standard lighting, colours, stage 3 off.
MouseConfig knownRecord() {
    MouseConfig config;
    applyDefaultAssignment(config);
    config.setReportRate(8);
    config.setLightingMode(lighting_mode::kStandard);
    config.setStandardParameter(4);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        config.setStageColour(stage, Colour{static_cast<std::uint8_t>(0x10 * stage), 0x01, 0xFF});
        config.setDpiValueIndex(stage, static_cast<std::uint8_t>(stage + 1));
        config.setStageEnabled(stage, stage != 3);
    }
    config.macroBlock(0)[0] = 0xA1;
    config.macroBlock(11)[127] = 0xB2;
    return config;
}

class Apply : public ::testing::Test {
  protected:
    explicit Apply(sim::SimOptions options = {}) : mouse_(std::move(options)) {
        EXPECT_TRUE(link_.discoverDevice());
        EXPECT_TRUE(link_.handshake());
        link_.setObserver(&trace_);
        clock_.waits.clear();
    }
    void setLighting(std::uint8_t effect, std::uint8_t o1, std::uint8_t o2, LightingSlot s0,
                     LightingSlot s1) {
        sim::FirmwareState state = mouse_.firmwareState();
        state.effect = effect;
        state.effectOption1 = o1;
        state.effectOption2 = o2;
        state.slots = {s0, s1};
        mouse_.setFirmwareState(state);
    }
    void apply(const MouseConfig& config, int sensorType = 2) {
        applyToDevice(link_, config, sensorType, state_);
    }

    sim::SimulatedMouse mouse_;
    RecordingMessageBox messages_;
    FakeClock clock_;
    TraceRecorder trace_;
    DeviceLink link_{mouse_, messages_, clock_};
    ApplyState state_;
};

TEST_F(Apply, SendsTheKnownRecordInOrderWithItsWaits) {
    setLighting(3, 7, 9, {4, 5, 6}, {7, 8, 9});
    apply(knownRecord());

    const Lines& t = trace_.lines;
    // Sensor type 2 codes: index 2 -> 06, 3 -> 08, 4 -> 0a, 5 -> 26; stage 3 disabled.
    const Lines head = {
        "feature-set 01 08 00 00 00 00 00 f6",
        "feature-set 8d 00 00 00 00 00 00 72",
        "feature-get 8d 03 07 09 00 00 00 5f",
        "feature-set 87 00 00 00 00 00 00 78",
        "feature-get 87 00 04 05 06 00 00 69",
        "sleep 2",
        "feature-set 87 01 00 00 00 00 00 77",
        "feature-get 87 01 07 08 09 00 00 5f",
        "sleep 2",
        "feature-set 10 00 00 00 00 00 00 ef",
        "sleep 2",
        "feature-set 10 01 18 00 00 00 00 d6",
        "write 10 01 ff 20 01 ff 30 01 ff 40 01 ff" + zeros(20),
        "sleep 3",
        "sleep 2",
        "feature-set 07 00 01 05 06 00 00 ec",
        "sleep 2",
        "feature-set 07 01 07 08 09 00 00 df",
        "sleep 2",
        "feature-set 0d 01 05 02 00 00 00 ea",
        "feature-set 11 04 08 00 00 00 00 e2",
        "write 06 08 8a 26 80 80 80 80" + zeros(24),
        "sleep 3",
    };
    ASSERT_GE(t.size(), head.size());
    EXPECT_EQ(Lines(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(head.size())), head);

    // Twelve macro writes of four chunks, then twelve read-backs, then four matrices.
    std::size_t i = head.size();
    for (int n = 1; n <= 12; ++n) {
        CommandReport h = CommandReport::make(0x13, static_cast<std::uint8_t>(n), 0x80);
        h.sealCheckByte();
        EXPECT_EQ(t[i++], traceLine("feature-set", h.bytes)) << n;
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(t[i++].substr(0, 5), "write");
            EXPECT_EQ(t[i++], "sleep 3");
        }
        EXPECT_EQ(t[i++], "sleep 2");
    }
    EXPECT_EQ(t[head.size() + 1], "write a1" + zeros(31));
    for (int n = 1; n <= 12; ++n) {
        CommandReport h = CommandReport::make(0x93, static_cast<std::uint8_t>(n));
        h.sealCheckByte();
        EXPECT_EQ(t[i++], traceLine("feature-set", h.bytes));
        EXPECT_EQ(t[i++].substr(0, 20),
                  "feature-get 93 " + std::string(n < 16 ? "0" : "") + "0123456789abc"[n] + " 80");
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(t[i++].substr(0, 4), "read");
        EXPECT_EQ(t[i++], "sleep 2");
    }
    const std::string matrix1 =
        "write 01 00 f0 00 01 00 f1 00 01 00 f2 00 01 00 f3 00 01 00 f4 00 07 00 03 00 00 00 00 "
        "00 00 00 00 00";
    const std::string matrix1tail = "write" + zeros(24) + " 01 00 f7 00 01 00 f8 00";
    EXPECT_EQ(t[i++], "feature-set 12 01 40 00 00 00 00 ac");
    EXPECT_EQ(t[i++], matrix1);
    EXPECT_EQ(t[i++], "sleep 3");
    EXPECT_EQ(t[i++], matrix1tail);
    EXPECT_EQ(t[i++], "sleep 3");
    EXPECT_EQ(t[i++], "sleep 2");
    EXPECT_EQ(t[i++], "feature-set 12 02 40 00 00 00 00 ab");
    EXPECT_EQ(t[i++], "write" + zeros(32));
    i += 4;
    EXPECT_EQ(t[i++], "feature-set 12 03 40 00 00 00 00 aa");
    EXPECT_EQ(t[i++], matrix1) << "Mode B has the same default assignment";
    i += 4;
    EXPECT_EQ(t[i++], "feature-set 12 04 40 00 00 00 00 a9");
    i += 5;
    EXPECT_EQ(i, t.size());

    // 68 ms of step waits plus 3 ms after each of the 58 chunks written.
    EXPECT_EQ(clock_.totalMs(), 68u + 3u * 58u);
    EXPECT_EQ(clock_.preciseBegun, 1);
    EXPECT_EQ(clock_.preciseEnded, 1);
}

TEST_F(Apply, ButtonsThreeAndFourSitInEachOthersEntries) {
    MouseConfig config;
    applyDefaultAssignment(config);
    const KeyMatrix a = keyMatrixFor(config, Mode::A);
    const std::array<std::array<std::uint8_t, 4>, 16> expected = {{{1, 0, 0xF0, 0},
                                                                   {1, 0, 0xF1, 0},
                                                                   {1, 0, 0xF2, 0},
                                                                   {1, 0, 0xF3, 0},
                                                                   {1, 0, 0xF4, 0},
                                                                   {7, 0, 3, 0},
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   {},
                                                                   {1, 0, 0xF7, 0},
                                                                   {1, 0, 0xF8, 0}}};
    for (std::size_t e = 0; e < expected.size(); ++e)
        EXPECT_EQ(a[e].bytes, expected[e]) << e;
}

TEST_F(Apply, AMacroKeyOnSlotZeroWithRepeatByteTwo) {
    MouseConfig config;
    config.setFunctionCode(Mode::B, 4, codeByte(FunctionCode::MacroKey));
    config.setButtonField(Mode::B, ButtonField::MacroSlot, 4, 0);
    config.setButtonField(Mode::B, ButtonField::MacroRepeat, 4, 2);
    apply(config);
    const auto stored = mouse_.firmwareState().matrices[2];
    EXPECT_EQ(std::vector<std::uint8_t>(stored.begin() + 12, stored.begin() + 16),
              (std::vector<std::uint8_t>{0x09, 0x02, 0x01, 0x00}))
        << "button 4 lands in entry 3 of matrix 3";
}

TEST_F(Apply, DisabledStagesCarryBit7) {
    MouseConfig config;
    for (int stage = 1; stage <= 4; ++stage)
        config.setDpiValueIndex(stage, 2);  // code 06
    config.setStageEnabled(1, true);
    config.setStageEnabled(2, true);
    const auto block = dpiBlock(config, 2);
    EXPECT_EQ(block, (std::array<std::uint8_t, 8>{0x06, 0x06, 0x86, 0x86, 0x80, 0x80, 0x80, 0x80}));
    // An unlisted sensor type sends code 0.
    EXPECT_EQ(dpiBlock(config, 9)[0], 0x00);
    EXPECT_EQ(dpiBlock(config, 9)[3], 0x80);
}

struct LightingCase {
    std::uint8_t mode;
    std::uint8_t neonEffect;
    LightingValues expected;
};

TEST_F(Apply, LightingRulesPerMode) {
    const LightingValues read{9, 8, 7, {{{6, 5, 4}, {3, 2, 1}}}};
    const std::array<LightingCase, 7> cases = {{
        {0, 0, read},
        {7, 0, read},
        {lighting_mode::kStandard, 0, {1, 4, 2, {{{1, 5, 4}, {3, 2, 1}}}}},
        {lighting_mode::kRespiration, 0, {2, 6, 2, {{{1, 5, 4}, {3, 2, 1}}}}},
        {lighting_mode::kNeon, 1, {3, 11, 7, {{{6, 5, 4}, {3, 2, 1}}}}},
        {lighting_mode::kNeon, neon_effect::kRgbFlash, {3, 11, 7, {{{2, 100, 10}, {3, 2, 1}}}}},
        {lighting_mode::kNeon, neon_effect::kRgbFixedOn, {3, 11, 7, {{{3, 5, 5}, {3, 2, 1}}}}},
    }};
    for (const LightingCase& c : cases) {
        MouseConfig config;
        config.setLightingMode(c.mode);
        config.setStandardParameter(3);
        config.setRespirationParameter(5);
        config.setNeonParameter(10);
        config.setNeonEffect(c.neonEffect);
        LightingValues values = read;
        applyLightingRules(config, values);
        EXPECT_EQ(values, c.expected) << int(c.mode) << " " << int(c.neonEffect);
    }
}

TEST_F(Apply, ModeOffWritesBackExactlyWhatWasRead) {
    setLighting(5, 6, 7, {1, 2, 3}, {4, 5, 6});
    MouseConfig config;
    apply(config);
    const sim::FirmwareState s = mouse_.firmwareState();
    EXPECT_EQ(s.effect, 5);
    EXPECT_EQ(s.effectOption1, 6);
    EXPECT_EQ(s.effectOption2, 7);
    EXPECT_EQ(s.slots[0], (LightingSlot{1, 2, 3}));
    EXPECT_EQ(s.slots[1], (LightingSlot{4, 5, 6}));
}

TEST_F(Apply, MatricesTwoAndFourAreZeroAndMatrixOneIsRebuiltEachRun) {
    MouseConfig config;
    config.setFunctionCode(Mode::A, 0, codeByte(FunctionCode::KeyOff));
    apply(config);
    applyDefaultAssignment(config);
    apply(config);
    EXPECT_EQ(state_.matrices[0], keyMatrixFor(config, Mode::A));
    const sim::FirmwareState s = mouse_.firmwareState();
    EXPECT_EQ(s.matrices[1], (std::array<std::uint8_t, 64>{}));
    EXPECT_EQ(s.matrices[3], (std::array<std::uint8_t, 64>{}));
    EXPECT_EQ(s.matrices[0], matrixBytes(keyMatrixFor(config, Mode::A)));
}

struct ReadBackApply : Apply {
    static sim::SimOptions with(sim::ReadBackFault fault) {
        sim::SimOptions options;
        options.readBackFault = fault;
        return options;
    }
    explicit ReadBackApply(sim::ReadBackFault fault) : Apply(with(fault)) {}
};

struct SlotZeroReadBack : ReadBackApply {
    SlotZeroReadBack() : ReadBackApply(sim::ReadBackFault::SlotZero) {}
};
struct SlotThirteenReadBack : ReadBackApply {
    SlotThirteenReadBack() : ReadBackApply(sim::ReadBackFault::SlotThirteen) {}
};
struct LongReadBack : ReadBackApply {
    LongReadBack() : ReadBackApply(sim::ReadBackFault::Length255) {}
};

TEST_F(SlotZeroReadBack, IsDroppedAndTheBufferKeepsWhatWasSent) {
    const MouseConfig config = knownRecord();
    apply(config);
    EXPECT_EQ(state_.transferBuffer[0][0], 0xA1);
    EXPECT_EQ(state_.transferBuffer[11][127], 0xB2);
}

TEST_F(SlotThirteenReadBack, IsDropped) {
    const MouseConfig config = knownRecord();
    apply(config);
    EXPECT_EQ(state_.transferBuffer[11][127], 0xB2);
    EXPECT_EQ(mouse_.firmwareState().rejectedReports, 0);
}

TEST_F(LongReadBack, IsClippedToTheSlot) {
    MouseConfig config = knownRecord();
    apply(config);
    EXPECT_EQ(state_.transferBuffer[0][0], 0xA1);
    EXPECT_EQ(state_.transferBuffer[11][127], 0xB2) << "the filler past 128 bytes is not stored";
    int reads = 0;
    for (const std::string& line : trace_.lines)
        reads += line.rfind("read", 0) == 0;
    EXPECT_EQ(reads, 12 * 8);
}

// What a whole apply would leave on the mouse, counters aside.
void expectSameSettings(const sim::FirmwareState& a, const sim::FirmwareState& b) {
    EXPECT_EQ(a.reportRate, b.reportRate);
    EXPECT_EQ(std::tie(a.effect, a.effectOption1, a.effectOption2, a.slots),
              std::tie(b.effect, b.effectOption1, b.effectOption2, b.slots));
    EXPECT_EQ(a.stageColours, b.stageColours);
    EXPECT_EQ(a.dpiBlock, b.dpiBlock);
    EXPECT_EQ(a.macros, b.macros);
    EXPECT_EQ(a.matrices, b.matrices);
}

sim::FirmwareState afterWholeApply(const MouseConfig& config, int sensorType) {
    sim::SimulatedMouse mouse;
    RecordingMessageBox messages;
    FakeClock clock;
    DeviceLink link(mouse, messages, clock);
    EXPECT_TRUE(link.discoverDevice() && link.handshake());
    ApplyState state;
    applyToDevice(link, config, sensorType, state);
    return mouse.firmwareState();
}

TEST_F(Apply, ASwitchSendsOnlyWhatDiffersAndLeavesWhatAWholeApplyWould) {
    const MouseConfig first = knownRecord();
    MouseConfig second = first;
    second.setFunctionCode(Mode::B, 2, codeByte(FunctionCode::KeyOff));
    second.setDpiValueIndex(2, 7);

    const auto wholeRun = switchDevice(link_, first, 2, state_);
    EXPECT_EQ(wholeRun.size(), 4u + kMacroSlotCount + kKeyMatrixCount) << "the first send is whole";
    trace_.lines.clear();
    const auto steps = switchDevice(link_, second, 2, state_);
    EXPECT_EQ(steps, (std::vector<StepToSend>{{SendStep::DpiCodes}, {SendStep::Matrix, 3}}));
    expectSameSettings(mouse_.firmwareState(), afterWholeApply(second, 2));

    trace_.lines.clear();
    EXPECT_TRUE(switchDevice(link_, second, 2, state_).empty());
    EXPECT_TRUE(trace_.lines.empty()) << "the mouse holds it already";
}

TEST(SwitchSteps, FollowTheApplyOrderOneMacroSlotAndMatrixAtATime) {
    MouseConfig from = knownRecord();
    MouseConfig to = from;
    to.setFunctionCode(Mode::A, 0, codeByte(FunctionCode::KeyOff));
    to.macroBlock(4)[0] = 0x11;
    to.setStageColour(1, Colour{1, 2, 3});
    to.setReportRate(4);
    to.setLightingMode(lighting_mode::kRespiration);
    const LightingValues read{};
    const auto steps = stepsBetween(sentImageFor(from, 0, read), sentImageFor(to, 0, read));
    EXPECT_EQ(steps, (std::vector<StepToSend>{{SendStep::ReportRate},
                                              {SendStep::StageColours},
                                              {SendStep::Lighting},
                                              {SendStep::Macro, 5},
                                              {SendStep::Matrix, 1}}));
}
}  // namespace
}  // namespace quorvel
