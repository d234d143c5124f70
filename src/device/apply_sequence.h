// Apply, device side: the one fixed sequence that sends a whole configuration to the mouse.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "config/mouse_config.h"
#include "device/device_link.h"
#include "keys/button_functions.h"

namespace quorvel {

inline constexpr int kKeyMatrixCount = 4;
inline constexpr std::size_t kKeyMatrixEntries = 16;
inline constexpr std::size_t kKeyEntrySize = 4;
inline constexpr std::size_t kKeyMatrixSize = kKeyMatrixEntries * kKeyEntrySize;
using KeyMatrix = std::array<KeyEntry, kKeyMatrixEntries>;

// Buttons 3 and 4 sit in each other's entries.
inline constexpr std::array<std::size_t, kButtonCount> kEntryOfButton = {0, 1, 2, 4, 3, 5, 6, 7};
inline constexpr std::size_t kFixedEntry14 = 14;
inline constexpr std::size_t kFixedEntry15 = 15;
inline constexpr KeyEntry kFixedEntry14Value = {{0x01, 0x00, 0xF7, 0x00}};
inline constexpr KeyEntry kFixedEntry15Value = {{0x01, 0x00, 0xF8, 0x00}};
// "Mode A" goes out as matrix 1, "Mode B" as matrix 3; 2 and 4 stay zero.
inline constexpr int kModeAMatrix = 1;
inline constexpr int kModeBMatrix = 3;

namespace lighting_mode {
inline constexpr std::uint8_t kStandard = 1;
inline constexpr std::uint8_t kRespiration = 2;
inline constexpr std::uint8_t kNeon = 3;
}  // namespace lighting_mode
namespace neon_effect {
inline constexpr std::uint8_t kRgbFlash = 2;
inline constexpr std::uint8_t kRgbFixedOn = 3;
}  // namespace neon_effect

inline constexpr std::size_t kLightingSlotCount = 2;
inline constexpr std::size_t kLightingSlotValues = 3;
using LightingSlot = std::array<std::uint8_t, kLightingSlotValues>;

struct LightingValues {
    std::uint8_t effect = 0;
    std::uint8_t option1 = 0;
    std::uint8_t option2 = 0;
    std::array<LightingSlot, kLightingSlotCount> slots{};
    friend bool operator==(const LightingValues&, const LightingValues&) = default;
};

inline constexpr std::size_t kDpiBlockSize = 8;
inline constexpr std::uint8_t kDpiDisabledBit = 0x80;
inline constexpr std::uint8_t kDpiFillByte = 0x80;
inline constexpr std::size_t kStageColourBlockSize = 24;
inline constexpr std::uint8_t kStageColourIndexEmpty = 0;
inline constexpr std::uint8_t kStageColourIndexData = 1;
inline constexpr std::uint8_t kDpiBlockIndex = 4;
inline constexpr std::uint32_t kApplyStepWaitMs = 2;

using MacroSlotBytes = std::array<std::uint8_t, kMacroBlockSize>;

// The bytes one send put on the mouse, in the pieces the sequence sends them in.
struct SentImage {
    std::uint8_t reportRate = 0;
    std::array<std::uint8_t, record::kStageColoursSize> stageColours{};
    LightingValues lighting;
    std::array<std::uint8_t, kDpiBlockSize> dpi{};
    std::array<MacroSlotBytes, kMacroSlotCount> macros{};
    std::array<KeyMatrix, kKeyMatrixCount> matrices{};
    friend bool operator==(const SentImage&, const SentImage&) = default;
};

// What the sequence keeps between runs: the matrices, the macro transfer buffer, the
// lighting values last read from the mouse, and what this run last sent.
struct ApplyState {
    std::array<KeyMatrix, kKeyMatrixCount> matrices{};
    std::array<MacroSlotBytes, kMacroSlotCount> transferBuffer{};
    LightingValues lighting;
    std::optional<SentImage> sent;
};

// One piece of the sequence; `number` is the macro slot or key matrix, from 1.
enum class SendStep : std::uint8_t { ReportRate, StageColours, Lighting, DpiCodes, Macro, Matrix };
struct StepToSend {
    SendStep step;
    int number = 0;
    friend bool operator==(const StepToSend&, const StepToSend&) = default;
};

// Entries 0 to 7 from the mode's buttons, 8 to 13 zero, 14 and 15 fixed.
KeyMatrix keyMatrixFor(const MouseConfig& config, Mode mode);
std::array<std::uint8_t, kKeyMatrixSize> matrixBytes(const KeyMatrix& matrix);
// The record's lighting mode turned into changes of the values read from the mouse.
void applyLightingRules(const MouseConfig& config, LightingValues& values);
// The four stage codes (bit 7: stage disabled) and four fill bytes.
std::array<std::uint8_t, kDpiBlockSize> dpiBlock(const MouseConfig& config, int sensorType);

// Sends `config` to the mouse. Failing exchanges do not stop it.
void applyToDevice(DeviceLink& link, const MouseConfig& config, int sensorType, ApplyState& state);

// What sending `config` puts on the mouse, the lighting rules taken over `lighting`.
SentImage sentImageFor(const MouseConfig& config, int sensorType, LightingValues lighting);
// The pieces whose bytes differ, in the sequence's order.
std::vector<StepToSend> stepsBetween(const SentImage& from, const SentImage& to);
// Sends only what differs from what this run last sent, with the sequence's waits; the
// whole sequence when nothing was sent yet. Returns the steps sent.
std::vector<StepToSend> switchDevice(DeviceLink& link, const MouseConfig& config, int sensorType,
                                     ApplyState& state);

}  // namespace quorvel
