// The 1849-byte configuration record: flat bytes, stored raw in config.bin.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "config/colour.h"

namespace quorvel {

enum class Mode : std::uint8_t { A = 0, B = 1 };

inline constexpr int kButtonCount = 8;
inline constexpr int kStageCount = 4;
inline constexpr int kMacroSlotCount = 12;
inline constexpr std::size_t kMacroBlockSize = 128;
inline constexpr std::size_t kKeyBlockSize = 128;
inline constexpr std::size_t kPointerSettingsSize = 5;

// Offsets into the record.
namespace record {
inline constexpr std::size_t kSize = 1849;
inline constexpr std::size_t kKeyBlockModeA = 0;
inline constexpr std::size_t kReservedAfterModeA = 128;  // 5 bytes, carried unchanged
inline constexpr std::size_t kReservedAfterModeASize = 5;
inline constexpr std::size_t kReportRate = 133;
inline constexpr std::size_t kReservedBeforeStages = 134;  // carried unchanged
inline constexpr std::size_t kDpiValueIndex = 135;         // stages 1..4
inline constexpr std::size_t kStageEnabled = 139;          // stages 1..4
inline constexpr std::size_t kStageColours = 143;          // 3 bytes a stage: r, g, b
inline constexpr std::size_t kStageColoursSize = 12;
inline constexpr std::size_t kLightingMode = 155;
inline constexpr std::size_t kStandardParameter = 156;
inline constexpr std::size_t kRespirationParameter = 157;
inline constexpr std::size_t kNeonParameter = 158;
inline constexpr std::size_t kStandardEffect = 159;
inline constexpr std::size_t kRespirationEffect = 160;
inline constexpr std::size_t kNeonEffect = 161;
inline constexpr std::size_t kReservedAfterLighting = 162;  // carried unchanged
inline constexpr std::size_t kMacroTable = 163;
inline constexpr std::size_t kMacroTableSize = kMacroBlockSize * kMacroSlotCount;
inline constexpr std::size_t kPointerSettings = 1699;
inline constexpr std::size_t kShownMode = 1704;
inline constexpr std::size_t kKeyBlockModeB = 1705;
inline constexpr std::size_t kDpiSwitchModeA = 1833;  // buttons 0..7
inline constexpr std::size_t kDpiSwitchModeB = 1841;  // buttons 0..7
}  // namespace record

// Offsets inside a KeyBlock: sixteen arrays of eight bytes, element i for button i.
namespace key_block {
inline constexpr std::size_t kFunctionCode = 0;
inline constexpr std::size_t kMediaPosition = 8;
inline constexpr std::size_t kMediaUsage = 16;
inline constexpr std::size_t kWindowsPosition = 24;
inline constexpr std::size_t kWindowsUsageLow = 32;
inline constexpr std::size_t kWindowsUsageHigh = 40;
inline constexpr std::size_t kFirePosition = 48;
inline constexpr std::size_t kFireKeyCode = 56;
inline constexpr std::size_t kFireSpeed = 64;
inline constexpr std::size_t kFireTimes = 72;
inline constexpr std::size_t kSingleKeyCode = 80;
inline constexpr std::size_t kComboModifiers = 88;
inline constexpr std::size_t kComboFirstKey = 96;
inline constexpr std::size_t kComboSecondKey = 104;
inline constexpr std::size_t kMacroSlot = 112;
inline constexpr std::size_t kMacroRepeat = 120;
}  // namespace key_block

// Offsets inside the five pointer-settings bytes.
namespace pointer_settings {
inline constexpr std::size_t kPrecision = 0;
inline constexpr std::size_t kScreenPerNotch = 1;
inline constexpr std::size_t kSpeedPosition = 2;
inline constexpr std::size_t kScrollLinesPosition = 3;
inline constexpr std::size_t kDoubleClickPosition = 4;
}  // namespace pointer_settings

// The per-button fields of a KeyBlock, named so callers never spell an offset.
enum class ButtonField : std::uint8_t {
    FunctionCode,
    MediaPosition,
    MediaUsage,
    WindowsPosition,
    WindowsUsageLow,
    WindowsUsageHigh,
    FirePosition,
    FireKeyCode,
    FireSpeed,
    FireTimes,
    SingleKeyCode,
    ComboModifiers,
    ComboFirstKey,
    ComboSecondKey,
    MacroSlot,
    MacroRepeat,
};
inline constexpr int kButtonFieldCount = 16;

inline constexpr std::array<std::size_t, kButtonFieldCount> kButtonFieldOffsets = {
    key_block::kFunctionCode,    key_block::kMediaPosition,   key_block::kMediaUsage,
    key_block::kWindowsPosition, key_block::kWindowsUsageLow, key_block::kWindowsUsageHigh,
    key_block::kFirePosition,    key_block::kFireKeyCode,     key_block::kFireSpeed,
    key_block::kFireTimes,       key_block::kSingleKeyCode,   key_block::kComboModifiers,
    key_block::kComboFirstKey,   key_block::kComboSecondKey,  key_block::kMacroSlot,
    key_block::kMacroRepeat,
};

// Every accessor checks its index: out-of-range buttons, stages or slots read as 0 (or an
// empty span) and writes to them are ignored, so a bad caller can never leave the record.
class MouseConfig {
  public:
    using Bytes = std::array<std::uint8_t, record::kSize>;

    std::span<std::uint8_t, record::kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, record::kSize> bytes() const { return bytes_; }
    void clear() { bytes_.fill(0); }

    std::uint8_t buttonField(Mode mode, ButtonField field, int button) const;
    void setButtonField(Mode mode, ButtonField field, int button, std::uint8_t value);
    std::uint8_t functionCode(Mode mode, int button) const {
        return buttonField(mode, ButtonField::FunctionCode, button);
    }
    void setFunctionCode(Mode mode, int button, std::uint8_t code) {
        setButtonField(mode, ButtonField::FunctionCode, button, code);
    }
    std::span<std::uint8_t, kKeyBlockSize> keyBlock(Mode mode);
    std::span<const std::uint8_t, kKeyBlockSize> keyBlock(Mode mode) const;

    std::uint8_t dpiSwitchParameter(Mode mode, int button) const;
    void setDpiSwitchParameter(Mode mode, int button, std::uint8_t value);

    std::uint8_t reportRate() const { return bytes_[record::kReportRate]; }
    void setReportRate(std::uint8_t code) { bytes_[record::kReportRate] = code; }

    // Stages are numbered 1 to 4.
    std::uint8_t dpiValueIndex(int stage) const;
    void setDpiValueIndex(int stage, std::uint8_t index);
    bool stageEnabled(int stage) const;
    void setStageEnabled(int stage, bool enabled);
    Colour stageColour(int stage) const;
    void setStageColour(int stage, Colour colour);
    std::span<const std::uint8_t, record::kStageColoursSize> stageColourBytes() const {
        return std::span<const std::uint8_t, record::kStageColoursSize>(
            bytes_.data() + record::kStageColours, record::kStageColoursSize);
    }

    std::uint8_t lightingMode() const { return bytes_[record::kLightingMode]; }
    void setLightingMode(std::uint8_t mode) { bytes_[record::kLightingMode] = mode; }
    std::uint8_t standardParameter() const { return bytes_[record::kStandardParameter]; }
    void setStandardParameter(std::uint8_t v) { bytes_[record::kStandardParameter] = v; }
    std::uint8_t respirationParameter() const { return bytes_[record::kRespirationParameter]; }
    void setRespirationParameter(std::uint8_t v) { bytes_[record::kRespirationParameter] = v; }
    std::uint8_t neonParameter() const { return bytes_[record::kNeonParameter]; }
    void setNeonParameter(std::uint8_t v) { bytes_[record::kNeonParameter] = v; }
    std::uint8_t standardEffect() const { return bytes_[record::kStandardEffect]; }
    std::uint8_t respirationEffect() const { return bytes_[record::kRespirationEffect]; }
    std::uint8_t neonEffect() const { return bytes_[record::kNeonEffect]; }
    void setNeonEffect(std::uint8_t v) { bytes_[record::kNeonEffect] = v; }

    // Slots 0 to 11.
    std::span<std::uint8_t> macroBlock(int slot);
    std::span<const std::uint8_t> macroBlock(int slot) const;
    std::span<std::uint8_t, record::kMacroTableSize> macroTable() {
        return std::span<std::uint8_t, record::kMacroTableSize>(bytes_.data() + record::kMacroTable,
                                                                record::kMacroTableSize);
    }
    std::span<const std::uint8_t, record::kMacroTableSize> macroTable() const {
        return std::span<const std::uint8_t, record::kMacroTableSize>(
            bytes_.data() + record::kMacroTable, record::kMacroTableSize);
    }

    std::uint8_t pointerSetting(std::size_t field) const;
    void setPointerSetting(std::size_t field, std::uint8_t value);

    Mode shownMode() const { return bytes_[record::kShownMode] == 1 ? Mode::B : Mode::A; }
    std::uint8_t shownModeByte() const { return bytes_[record::kShownMode]; }
    void setShownMode(Mode mode) { bytes_[record::kShownMode] = static_cast<std::uint8_t>(mode); }

    friend bool operator==(const MouseConfig&, const MouseConfig&) = default;

  private:
    Bytes bytes_{};
};

// The live record and the backup that Cancel restores from.
struct ConfigRecords {
    MouseConfig live;
    MouseConfig backup;
    void takeBackup() { backup = live; }
    void restoreBackup() { live = backup; }
};

// "Default": the button assignments of both modes and the DPI Switch parameter of
// button 5; nothing else in the record changes. The labels are reset separately.
void applyDefaultAssignment(MouseConfig& config);

inline constexpr std::array<std::uint8_t, kButtonCount> kDefaultFunctionCodes = {0, 1, 2,  3,
                                                                                 4, 6, 15, 15};
inline constexpr int kDefaultDpiSwitchButton = 5;
inline constexpr std::uint8_t kDefaultDpiSwitchParameter = 3;  // "DPI Loop"

}  // namespace quorvel
