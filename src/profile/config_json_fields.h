// The field names and ranges shared by the JSON writer and reader of the record.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/dpi_tables.h"
#include "config/mouse_config.h"
#include "keys/button_functions.h"
#include "keys/key_code_tables.h"

namespace quorvel::config_json {

// Top level, in document order.
inline constexpr std::string_view kFormat = "format";
inline constexpr std::string_view kVersion = "version";
inline constexpr std::string_view kShownMode = "shown_mode";
inline constexpr std::string_view kReportRate = "report_rate_hz";
inline constexpr std::string_view kStages = "stages";
inline constexpr std::string_view kLighting = "lighting";
inline constexpr std::string_view kModes = "modes";
inline constexpr std::string_view kMacroTable = "macro_table";
inline constexpr std::string_view kPointer = "pointer";
inline constexpr std::string_view kReserved = "reserved";
inline constexpr std::array<std::string_view, 10> kTopFields = {
    kFormat,   kVersion, kShownMode,  kReportRate, kStages,
    kLighting, kModes,   kMacroTable, kPointer,    kReserved};

inline constexpr std::array<std::string_view, 2> kModeNames = {"A", "B"};

inline constexpr std::string_view kDpiIndex = "dpi_index";
inline constexpr std::string_view kDpi = "dpi";
inline constexpr std::string_view kEnabled = "enabled";
inline constexpr std::string_view kColour = "colour";
inline constexpr std::array<std::string_view, 2> kStageFields = {kEnabled, kColour};
// A stage names its DPI by either or both.
inline constexpr std::array<std::string_view, 2> kStageDpiFields = {kDpiIndex, kDpi};
inline constexpr int kMaxDpiIndex = 11;  // the longest DPI list has twelve entries

// The DPI indices a stage may hold under a sensor type: its own list, or without one the
// longest list, whose levels the window draws for every other type.
struct DpiIndexRange {
    int last;
    std::string list;  // "the DPI list of sensor type 1"
};
inline DpiIndexRange dpiIndexRange(std::optional<int> sensorType) {
    const auto list = sensorType ? dpiValueList(*sensorType) : std::span<const std::string_view>{};
    if (list.empty())
        return {kMaxDpiIndex, "the longest DPI list"};
    return {static_cast<int>(list.size()) - 1,
            "the DPI list of sensor type " + std::to_string(*sensorType)};
}

// The lighting effects in this tool's words: the window's first name, "Non-Disolay", means
// that no effect is shown.
inline constexpr std::array<std::string_view, 4> kEffectWords = {"none", "RGB Effect", "RGB Flash",
                                                                 "RGB Fixed On"};

inline constexpr std::string_view kLightingMode = "mode";
inline constexpr std::string_view kNeonEffect = "neon_effect";
// The lighting bytes kept as plain numbers, with their ranges.
struct NumberField {
    std::string_view name;
    std::size_t offset;
    int max;
};
inline constexpr std::array<NumberField, 5> kLightingNumbers = {{
    {"standard_parameter", record::kStandardParameter, 9},
    {"respiration_parameter", record::kRespirationParameter, 4},
    {"neon_parameter", record::kNeonParameter, 29},
    {"standard_effect", record::kStandardEffect, 255},
    {"respiration_effect", record::kRespirationEffect, 255},
}};
inline constexpr std::array<std::string_view, 7> kLightingFields = {
    kLightingMode,    "standard_parameter", "respiration_parameter",
    "neon_parameter", "standard_effect",    "respiration_effect",
    kNeonEffect};

// The pointer settings: two switches and three slider positions.
struct PointerField {
    std::string_view name;
    std::size_t offset;
    bool isSwitch;
    int min;
    int max;
};
inline constexpr std::array<PointerField, kPointerSettingsSize> kPointerFields = {{
    {"precision", pointer_settings::kPrecision, true, 0, 1},
    {"screen_per_notch", pointer_settings::kScreenPerNotch, true, 0, 1},
    {"speed_position", pointer_settings::kSpeedPosition, false, 1, 11},
    {"scroll_lines_position", pointer_settings::kScrollLinesPosition, false, 0, 11},
    {"double_click_position", pointer_settings::kDoubleClickPosition, false, 1, 11},
}};

inline constexpr std::string_view kReservedAfterModeA = "after_mode_a";
inline constexpr std::string_view kReservedBeforeStages = "before_stages";
inline constexpr std::string_view kReservedAfterLighting = "after_lighting";
inline constexpr std::array<std::string_view, 3> kReservedFields = {
    kReservedAfterModeA, kReservedBeforeStages, kReservedAfterLighting};

// A button: its function, the DPI Switch parameter, then one group per parameterised
// function. A field of the button's own function must lie in [min, max]; the fields of
// other functions are carried as bytes.
inline constexpr std::string_view kFunction = "function";
inline constexpr int kFireSpeedMin = 5;
// The repeat modes of a Macro Key, in the words "show" prints.
inline constexpr std::array<std::string_view, 3> kRepeatTexts = {
    "repeat a specified number of times or press any key to end",
    "repeat until press any key to end",
    "repeat until the key is released",
};
inline constexpr std::string_view kDpiSwitch = "dpi_switch";
inline constexpr int kDpiSwitchMin = 1;
inline constexpr int kDpiSwitchMax = 3;

struct ParameterField {
    std::string_view group;
    std::string_view name;
    FunctionCode owner;
    ButtonField low;
    bool wide;  // a 16-bit usage: `low` and the field after it
    int min;
    int max;
};
inline constexpr std::array<ParameterField, 14> kParameterFields = {{
    {"windows", "position", FunctionCode::Windows, ButtonField::WindowsPosition, false, 0,
     static_cast<int>(kWindowsKeyTable.size()) - 1},
    {"windows", "usage", FunctionCode::Windows, ButtonField::WindowsUsageLow, true, 0, 0xFFFF},
    {"media", "position", FunctionCode::Multimedia, ButtonField::MediaPosition, false, 0,
     static_cast<int>(kMediaKeyTable.size()) - 1},
    {"media", "usage", FunctionCode::Multimedia, ButtonField::MediaUsage, false, 0, 255},
    {"fire", "position", FunctionCode::FireKey, ButtonField::FirePosition, false, 0,
     static_cast<int>(kFireTargetTable.size()) - 1},
    {"fire", "key", FunctionCode::FireKey, ButtonField::FireKeyCode, false, 0, 255},
    {"fire", "speed", FunctionCode::FireKey, ButtonField::FireSpeed, false, kFireSpeedMin, 255},
    {"fire", "times", FunctionCode::FireKey, ButtonField::FireTimes, false, 0, 255},
    {"single_key", "key", FunctionCode::SingleKey, ButtonField::SingleKeyCode, false, 0, 255},
    {"combo", "modifiers", FunctionCode::ComboKey, ButtonField::ComboModifiers, false, 0, 255},
    {"combo", "first_key", FunctionCode::ComboKey, ButtonField::ComboFirstKey, false, 0, 255},
    {"combo", "second_key", FunctionCode::ComboKey, ButtonField::ComboSecondKey, false, 0, 255},
    {"macro", "slot", FunctionCode::MacroKey, ButtonField::MacroSlot, false, 0,
     kMacroSlotCount - 1},
    {"macro", "repeat", FunctionCode::MacroKey, ButtonField::MacroRepeat, false, 0, 2},
}};
inline constexpr std::array<std::string_view, 8> kButtonFields = {
    kFunction, kDpiSwitch, "windows", "media", "fire", "single_key", "combo", "macro"};

// Version 2. A button holds its function and only that function's values.
inline constexpr std::string_view kKey = "key";
inline constexpr std::string_view kTarget = "target";
inline constexpr std::string_view kSpeed = "speed";
inline constexpr std::string_view kTimes = "times";
inline constexpr std::string_view kModifiers = "modifiers";
inline constexpr std::string_view kFirstKey = "first_key";
inline constexpr std::string_view kSecondKey = "second_key";
inline constexpr std::string_view kSlot = "slot";
inline constexpr std::string_view kRepeat = "repeat";
inline constexpr std::string_view kParameter = "parameter";
inline constexpr std::string_view kEffect = "effect";
inline constexpr std::array<std::string_view, 3> kLightingGroups = {"standard", "respiration",
                                                                    "neon"};
inline constexpr std::array<std::string_view, 4> kLightingFieldsV2 = {kLightingMode, "standard",
                                                                      "respiration", "neon"};
inline constexpr std::array<std::string_view, 2> kLightingGroupFields = {kParameter, kEffect};

// The stored parameter bytes of both modes, whatever each button's function: a key block
// after its function codes, then the DPI Switch parameters; the named values go over them.
inline constexpr std::string_view kParameters = "parameters";
inline constexpr std::size_t kCarriedKeyBlockStart = key_block::kMediaPosition;
inline constexpr std::size_t kCarriedPerMode =
    kKeyBlockSize - kCarriedKeyBlockStart + static_cast<std::size_t>(kButtonCount);
inline constexpr std::size_t kCarriedSize = 2 * kCarriedPerMode;

inline std::array<std::uint8_t, kCarriedSize> carriedParameters(const MouseConfig& config) {
    std::array<std::uint8_t, kCarriedSize> bytes{};
    auto out = bytes.begin();
    for (Mode mode : {Mode::A, Mode::B}) {
        const auto block = config.keyBlock(mode);
        out = std::copy(block.begin() + kCarriedKeyBlockStart, block.end(), out);
        for (int button = 0; button < kButtonCount; ++button)
            *out++ = config.dpiSwitchParameter(mode, button);
    }
    return bytes;
}

inline void setCarriedParameters(MouseConfig& config,
                                 std::span<const std::uint8_t, kCarriedSize> bytes) {
    auto in = bytes.begin();
    for (Mode mode : {Mode::A, Mode::B}) {
        const auto block = config.keyBlock(mode);
        std::copy(in, in + static_cast<std::ptrdiff_t>(block.size() - kCarriedKeyBlockStart),
                  block.begin() + kCarriedKeyBlockStart);
        in += static_cast<std::ptrdiff_t>(block.size() - kCarriedKeyBlockStart);
        for (int button = 0; button < kButtonCount; ++button)
            config.setDpiSwitchParameter(mode, button, *in++);
    }
}

constexpr ButtonField highField(ButtonField low) {
    return static_cast<ButtonField>(static_cast<std::uint8_t>(low) + 1);
}

}  // namespace quorvel::config_json
