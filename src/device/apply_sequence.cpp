#include "device/apply_sequence.h"

#include <algorithm>

#include "config/dpi_tables.h"

namespace quorvel {
namespace {

// A read-back answer may announce up to 255 bytes: eight chunks.
constexpr std::size_t kLargestBlock = chunkCount(255) * chunk_frame::kDataSize;

void sendReportRate(DeviceLink& link, const MouseConfig& config) {
    CommandReport rate = CommandReport::make(command::kReportRate, config.reportRate());
    (void)link.sendCommand(rate);
}

void readLighting(DeviceLink& link, LightingValues& values) {
    CommandReport effect = CommandReport::make(command::kEffectRead);
    (void)link.sendCommand(effect);
    values.effect = effect.p(1);
    values.option1 = effect.p(2);
    values.option2 = effect.p(3);

    for (std::uint8_t slot = 0; slot < kLightingSlotCount; ++slot) {
        CommandReport answer = CommandReport::make(command::kLightingSlotRead, slot);
        (void)link.sendCommand(answer);
        // The answer names its own slot; one outside the two is dropped.
        const std::uint8_t named = answer.p(1);
        if (named < kLightingSlotCount)
            values.slots[named] = {answer.p(2), answer.p(3), answer.p(4)};
        link.wait(kApplyStepWaitMs);
    }
}

void sendStageColours(DeviceLink& link, const MouseConfig& config) {
    CommandReport empty = CommandReport::make(command::kStageColours, kStageColourIndexEmpty, 0);
    (void)link.transferBlock(empty, {});
    link.wait(kApplyStepWaitMs);

    std::array<std::uint8_t, kStageColourBlockSize> colours{};
    const auto stageColours = config.stageColourBytes();
    std::copy(stageColours.begin(), stageColours.end(), colours.begin());
    CommandReport header = CommandReport::make(command::kStageColours, kStageColourIndexData,
                                               static_cast<std::uint8_t>(colours.size()));
    (void)link.transferBlock(header, colours);
    link.wait(kApplyStepWaitMs);
}

void writeLighting(DeviceLink& link, const LightingValues& values) {
    for (std::uint8_t slot = 0; slot < kLightingSlotCount; ++slot) {
        const LightingSlot& v = values.slots[slot];
        CommandReport write =
            CommandReport::make(command::kLightingSlotWrite, slot, v[0], v[1], v[2]);
        (void)link.sendCommand(write);
        link.wait(kApplyStepWaitMs);
    }
    CommandReport effect =
        CommandReport::make(command::kEffectWrite, values.effect, values.option1, values.option2);
    (void)link.sendCommand(effect);
}

void sendDpiCodes(DeviceLink& link, const MouseConfig& config, int sensorType) {
    std::array<std::uint8_t, kDpiBlockSize> block = dpiBlock(config, sensorType);
    CommandReport header = CommandReport::make(command::kDpiCodes, kDpiBlockIndex,
                                               static_cast<std::uint8_t>(block.size()));
    (void)link.transferBlock(header, block);
}

void writeMacroSlot(DeviceLink& link, int n, MacroSlotBytes& bytes) {
    CommandReport header = CommandReport::make(command::kMacroWrite, static_cast<std::uint8_t>(n),
                                               static_cast<std::uint8_t>(kMacroBlockSize));
    (void)link.transferBlock(header, bytes);
    link.wait(kApplyStepWaitMs);
}

void readMacroSlot(DeviceLink& link, int n, ApplyState& state) {
    CommandReport header = CommandReport::make(command::kMacroRead, static_cast<std::uint8_t>(n));
    std::array<std::uint8_t, kLargestBlock> answer{};
    const std::size_t received = link.transferBlock(header, answer);
    // The answer names its slot and length; what does not fit the buffer is dropped or
    // clipped rather than written past it.
    const std::uint8_t named = header.p(1);
    if (named >= 1 && named <= kMacroSlotCount) {
        const std::size_t length =
            std::min({static_cast<std::size_t>(header.blockLength()), kMacroBlockSize, received});
        std::copy_n(answer.begin(), length, state.transferBuffer[named - 1u].begin());
    }
    link.wait(kApplyStepWaitMs);
}

std::array<MacroSlotBytes, kMacroSlotCount> macroSlots(const MouseConfig& config) {
    std::array<MacroSlotBytes, kMacroSlotCount> slots{};
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        const auto block = config.macroBlock(slot);
        std::copy_n(block.begin(), std::min(block.size(), kMacroBlockSize),
                    slots[static_cast<std::size_t>(slot)].begin());
    }
    return slots;
}

// Every slot is written before any is read back.
void sendMacros(DeviceLink& link, std::span<const int> slots, ApplyState& state) {
    const auto image = state.sent->macros;
    for (int n : slots) {
        state.transferBuffer[static_cast<std::size_t>(n - 1)] =
            image[static_cast<std::size_t>(n - 1)];
        writeMacroSlot(link, n, state.transferBuffer[static_cast<std::size_t>(n - 1)]);
    }
    for (int n : slots)
        readMacroSlot(link, n, state);
}

void sendKeyMatrix(DeviceLink& link, int m, ApplyState& state) {
    std::array<std::uint8_t, kKeyMatrixSize> bytes =
        matrixBytes(state.matrices[static_cast<std::size_t>(m - 1)]);
    CommandReport header = CommandReport::make(command::kKeyMatrix, static_cast<std::uint8_t>(m),
                                               static_cast<std::uint8_t>(bytes.size()));
    (void)link.transferBlock(header, bytes);
    link.wait(kApplyStepWaitMs);
}

// Every step: the report rate first, as it goes before the lighting read.
std::vector<StepToSend> wholeSequence() {
    std::vector<StepToSend> steps = {{SendStep::ReportRate},
                                     {SendStep::StageColours},
                                     {SendStep::Lighting},
                                     {SendStep::DpiCodes}};
    for (int n = 1; n <= kMacroSlotCount; ++n)
        steps.push_back({SendStep::Macro, n});
    for (int m = 1; m <= kKeyMatrixCount; ++m)
        steps.push_back({SendStep::Matrix, m});
    return steps;
}

// The steps after the lighting read, from `state.sent`, which already holds what they send.
void sendSteps(DeviceLink& link, const MouseConfig& config, int sensorType,
               std::span<const StepToSend> steps, ApplyState& state) {
    std::vector<int> macros;
    for (const StepToSend& s : steps) {
        if (s.step == SendStep::Macro)
            macros.push_back(s.number);
    }
    bool macrosSent = false;
    for (const StepToSend& s : steps) {
        switch (s.step) {
            case SendStep::ReportRate:
                sendReportRate(link, config);
                break;
            case SendStep::StageColours:
                sendStageColours(link, config);
                break;
            case SendStep::Lighting:
                writeLighting(link, state.lighting);
                break;
            case SendStep::DpiCodes:
                sendDpiCodes(link, config, sensorType);
                break;
            case SendStep::Macro:
                if (!macrosSent)
                    sendMacros(link, macros, state);
                macrosSent = true;
                break;
            case SendStep::Matrix:
                state.matrices[static_cast<std::size_t>(s.number - 1)] =
                    state.sent->matrices[static_cast<std::size_t>(s.number - 1)];
                sendKeyMatrix(link, s.number, state);
                break;
        }
    }
}

}  // namespace

KeyMatrix keyMatrixFor(const MouseConfig& config, Mode mode) {
    KeyMatrix matrix{};
    for (int button = 0; button < kButtonCount; ++button)
        matrix[kEntryOfButton[static_cast<std::size_t>(button)]] =
            keyEntryFor(config, mode, button);
    matrix[kFixedEntry14] = kFixedEntry14Value;
    matrix[kFixedEntry15] = kFixedEntry15Value;
    return matrix;
}

std::array<std::uint8_t, kKeyMatrixSize> matrixBytes(const KeyMatrix& matrix) {
    std::array<std::uint8_t, kKeyMatrixSize> bytes{};
    for (std::size_t i = 0; i < matrix.size(); ++i)
        std::copy(matrix[i].bytes.begin(), matrix[i].bytes.end(),
                  bytes.begin() + i * kKeyEntrySize);
    return bytes;
}

void applyLightingRules(const MouseConfig& config, LightingValues& values) {
    switch (config.lightingMode()) {
        case lighting_mode::kStandard:
            values.effect = lighting_mode::kStandard;
            values.option1 = static_cast<std::uint8_t>(config.standardParameter() + 1);
            values.option2 = 2;
            values.slots[0][0] = 1;
            break;
        case lighting_mode::kRespiration:
            values.effect = lighting_mode::kRespiration;
            values.option1 = static_cast<std::uint8_t>(config.respirationParameter() + 1);
            values.option2 = 2;
            values.slots[0][0] = 1;
            break;
        case lighting_mode::kNeon:
            values.effect = lighting_mode::kNeon;
            values.option1 = static_cast<std::uint8_t>(config.neonParameter() + 1);
            if (config.neonEffect() == neon_effect::kRgbFlash)
                values.slots[0] = {2, 100, 10};
            if (config.neonEffect() == neon_effect::kRgbFixedOn)
                values.slots[0] = {3, 5, 5};
            break;
        default:
            // Off and unknown modes write back what was read.
            break;
    }
}

std::array<std::uint8_t, kDpiBlockSize> dpiBlock(const MouseConfig& config, int sensorType) {
    std::array<std::uint8_t, kDpiBlockSize> block{};
    block.fill(kDpiFillByte);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const std::uint8_t code = dpiCodeOfStage(config, stage, sensorType);
        block[static_cast<std::size_t>(stage - 1)] =
            config.stageEnabled(stage) ? static_cast<std::uint8_t>(code & ~kDpiDisabledBit)
                                       : static_cast<std::uint8_t>(code | kDpiDisabledBit);
    }
    return block;
}

SentImage sentImageFor(const MouseConfig& config, int sensorType, LightingValues lighting) {
    SentImage image;
    image.reportRate = config.reportRate();
    const auto colours = config.stageColourBytes();
    std::copy(colours.begin(), colours.end(), image.stageColours.begin());
    applyLightingRules(config, lighting);
    image.lighting = lighting;
    image.dpi = dpiBlock(config, sensorType);
    image.macros = macroSlots(config);
    image.matrices[kModeAMatrix - 1] = keyMatrixFor(config, Mode::A);
    image.matrices[kModeBMatrix - 1] = keyMatrixFor(config, Mode::B);
    return image;
}

std::vector<StepToSend> stepsBetween(const SentImage& from, const SentImage& to) {
    std::vector<StepToSend> steps;
    const auto add = [&](bool differs, SendStep step, int number = 0) {
        if (differs)
            steps.push_back({step, number});
    };
    add(from.reportRate != to.reportRate, SendStep::ReportRate);
    add(from.stageColours != to.stageColours, SendStep::StageColours);
    add(from.lighting != to.lighting, SendStep::Lighting);
    add(from.dpi != to.dpi, SendStep::DpiCodes);
    for (std::size_t i = 0; i < to.macros.size(); ++i)
        add(from.macros[i] != to.macros[i], SendStep::Macro, static_cast<int>(i + 1));
    for (std::size_t i = 0; i < to.matrices.size(); ++i)
        add(from.matrices[i] != to.matrices[i], SendStep::Matrix, static_cast<int>(i + 1));
    return steps;
}

void applyToDevice(DeviceLink& link, const MouseConfig& config, int sensorType, ApplyState& state) {
    const PreciseWaits precise(link.clock());
    sendReportRate(link, config);
    readLighting(link, state.lighting);
    state.sent = sentImageFor(config, sensorType, state.lighting);
    state.lighting = state.sent->lighting;
    const std::vector<StepToSend> steps = wholeSequence();
    sendSteps(link, config, sensorType, std::span(steps).subspan(1), state);
}

std::vector<StepToSend> switchDevice(DeviceLink& link, const MouseConfig& config, int sensorType,
                                     ApplyState& state) {
    if (!state.sent) {
        applyToDevice(link, config, sensorType, state);
        return wholeSequence();
    }
    // The lighting values last written are what the mouse holds: no read is needed to
    // know what the rules would change.
    SentImage target = sentImageFor(config, sensorType, state.lighting);
    std::vector<StepToSend> steps = stepsBetween(*state.sent, target);
    if (steps.empty())
        return steps;
    const PreciseWaits precise(link.clock());
    state.sent = target;
    state.lighting = target.lighting;
    sendSteps(link, config, sensorType, steps, state);
    return steps;
}

}  // namespace quorvel
