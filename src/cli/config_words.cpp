#include "cli/config_words.h"

#include <array>
#include <cstdio>

#include "config/dpi_tables.h"
#include "config/pointer_positions.h"
#include "config/record_texts.h"
#include "keys/button_functions.h"
#include "keys/key_code_tables.h"
#include "macro/macro_block.h"
#include "macro/macro_block_events.h"
#include "profile/config_json_fields.h"

namespace quorvel::cli {
namespace {

constexpr std::array<std::string_view, 2> kModeTitles = {"Mode A", "Mode B"};

std::string hex(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*x", digits, value);
    return "0x" + std::string(text);
}

template <typename Table>
std::string_view nameOf(const Table& table, unsigned code) {
    for (const auto& entry : table) {
        if (entry.code == code)
            return entry.name;
    }
    return {};
}

std::string keyName(std::uint8_t code) {
    auto name = nameOf(kKeyNameTable, code);
    if (name.empty())
        name = nameOf(kFireTargetTable, code);
    return name.empty() ? "key " + hex(code, 2) : std::string(name);
}

std::string modifierNames(std::uint8_t bits) {
    std::string text;
    for (const auto& modifier : kModifierTable) {
        if ((bits & modifier.code) != 0) {
            text += (text.empty() ? "" : "+") + std::string(modifier.name);
        }
    }
    return text;
}

std::string macroName(int slot, const std::vector<std::string>& names) {
    const auto i = static_cast<std::size_t>(slot);
    std::string text = "slot " + std::to_string(slot + 1);
    if (i < names.size())
        text += " \"" + names[i] + "\"";
    return text;
}

// "loop count 1: Ctrl Dn, 20 ms, C Dn, C Up, Ctrl Up", in the items of record.ini.
std::string macroInWords(std::span<const std::uint8_t> block) {
    const DecodedMacroBlock decoded = decodeMacroBlock(block);
    std::string text = "loop count " + std::to_string(decoded.loopCount) + ":";
    const char* separator = " ";
    for (const auto& event : decoded.events) {
        text += separator + keyName(event.code) + (event.release ? " Up" : " Dn");
        separator = ", ";
        if (event.delayMs != 0)
            text += separator + std::to_string(event.delayMs) + " ms";
    }
    if (decoded.damaged)
        text += separator + std::string("(damaged bytes after the last event)");
    return text;
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}

}  // namespace

std::string buttonInWords(const MouseConfig& config, Mode mode, int button,
                          const std::vector<std::string>& macroNames) {
    const std::uint8_t code = config.functionCode(mode, button);
    const auto function = buttonFunction(code);
    if (!function)
        return "unknown function " + std::to_string(code);
    const auto field = [&](ButtonField f) { return config.buttonField(mode, f, button); };
    std::string text(function->listText);
    switch (function->code) {
        case FunctionCode::DpiSwitch: {
            const std::uint8_t parameter = config.dpiSwitchParameter(mode, button);
            const auto name = dpiSwitchName(parameter);
            text += ": " +
                    (name.empty() ? "parameter " + std::to_string(parameter) : std::string(name));
            break;
        }
        case FunctionCode::Windows: {
            const unsigned usage =
                field(ButtonField::WindowsUsageLow) | field(ButtonField::WindowsUsageHigh) << 8;
            std::string_view name;
            for (const auto& key : kWindowsKeyTable) {
                if (key.usage == usage)
                    name = key.name;
            }
            text += ": " + (name.empty() ? std::string() : std::string(name) + " ") + "(usage " +
                    hex(usage, 4) + ")";
            break;
        }
        case FunctionCode::Multimedia: {
            const std::uint8_t usage = field(ButtonField::MediaUsage);
            const auto name = nameOf(kMediaKeyTable, usage);
            text += ": " + (name.empty() ? std::string() : std::string(name) + " ") + "(usage " +
                    hex(usage, 2) + ")";
            break;
        }
        case FunctionCode::FireKey:
            text += ": " + keyName(field(ButtonField::FireKeyCode)) + ", speed " +
                    std::to_string(field(ButtonField::FireSpeed)) + ", " +
                    std::to_string(field(ButtonField::FireTimes)) + " times";
            break;
        case FunctionCode::SingleKey:
            text += ": " + keyName(field(ButtonField::SingleKeyCode));
            break;
        case FunctionCode::ComboKey: {
            std::string keys = modifierNames(field(ButtonField::ComboModifiers));
            for (ButtonField key : {ButtonField::ComboFirstKey, ButtonField::ComboSecondKey}) {
                if (field(key) != 0)
                    keys += (keys.empty() ? "" : "+") + keyName(field(key));
            }
            text += ": " + (keys.empty() ? std::string("no keys") : keys);
            break;
        }
        case FunctionCode::MacroKey: {
            const std::uint8_t repeat = field(ButtonField::MacroRepeat);
            text += ": " + macroName(field(ButtonField::MacroSlot), macroNames) + ", " +
                    (repeat < config_json::kRepeatTexts.size()
                         ? std::string(config_json::kRepeatTexts[repeat])
                         : "repeat byte " + std::to_string(repeat));
            break;
        }
        default:
            break;
    }
    return text;
}

std::string configInWords(const MouseConfig& config, const WordsOptions& options) {
    std::string out;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };

    const auto hertz = reportRateHertz(config.reportRate());
    line("Report rate: " + (hertz ? std::to_string(*hertz) + " Hz"
                                  : "unknown (code " + std::to_string(config.reportRate()) + ")"));

    std::string stagesTitle = "DPI stages (no sensor type: give --sensor N for the DPI values):";
    if (options.sensorType) {
        stagesTitle =
            "DPI stages (sensor type " + std::to_string(*options.sensorType) +
            (dpiValueList(*options.sensorType).empty() ? ", which has no DPI list):" : "):");
    }
    line(stagesTitle);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const Colour c = config.stageColour(stage);
        std::string dpi = "index " + std::to_string(config.dpiValueIndex(stage));
        if (options.sensorType) {
            const auto text = dpiTextOfStage(config, stage, *options.sensorType);
            if (!text.empty())
                dpi = std::string(text) + " DPI";
            else if (!dpiValueList(*options.sensorType).empty())
                dpi += " (not in this sensor's list)";
        }
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c.red, c.green, c.blue);
        line("  " + std::to_string(stage) + ": " + onOff(config.stageEnabled(stage)) + ", " + dpi +
             ", colour " + colour);
    }

    const std::uint8_t mode = config.lightingMode();
    const auto modeName = lightingModeName(mode);
    line("Lighting: " +
         (modeName.empty() ? "unknown mode " + std::to_string(mode) : std::string(modeName)));
    const auto orUnknown = [](std::string text, std::uint8_t value) {
        return text.empty() ? "value " + std::to_string(value) : text;
    };
    const auto effect = [&](std::uint8_t value) {
        return value < config_json::kEffectWords.size()
                   ? std::string(config_json::kEffectWords[value])
                   : "value " + std::to_string(value);
    };
    line("  Standard: " +
         orUnknown(std::string(standardParameterText(config.standardParameter())),
                   config.standardParameter()) +
         ", effect " + effect(config.standardEffect()));
    line("  Respiration: " +
         orUnknown(std::string(respirationParameterText(config.respirationParameter())),
                   config.respirationParameter()) +
         ", effect " + effect(config.respirationEffect()));
    line("  Neon: " + orUnknown(neonParameterText(config.neonParameter()), config.neonParameter()) +
         ", effect " + effect(config.neonEffect()));

    for (Mode m : {Mode::A, Mode::B}) {
        const bool shown = config.shownMode() == m;
        line(std::string(kModeTitles[static_cast<std::size_t>(m)]) + (shown ? " (shown):" : ":"));
        for (int button = 0; button < kButtonCount; ++button) {
            line("  Button " + std::to_string(button + 1) + ": " +
                 buttonInWords(config, m, button, options.macroNames));
        }
    }

    line("Macros:");
    int used = 0;
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        const auto block = config.macroBlock(slot);
        bool empty = true;
        for (std::size_t i = macro_block::kEvents; i < block.size(); ++i) {
            empty = empty && block[i] == 0;
        }
        if (empty && static_cast<std::size_t>(slot) >= options.macroNames.size())
            continue;
        ++used;
        line("  " + macroName(slot, options.macroNames) + ": " +
             (empty ? "empty" : macroInWords(block)));
    }
    if (used == 0)
        line("  none");

    const auto setting = [&](std::size_t field) { return config.pointerSetting(field); };
    // The values Apply would hand the system.
    const std::uint8_t speed = setting(pointer_settings::kSpeedPosition);
    const std::uint8_t doubleClick = setting(pointer_settings::kDoubleClickPosition);
    line("Pointer (Windows settings):");
    line("  speed position " + std::to_string(speed) + " (Windows speed " +
         std::to_string(pointerSpeedForPosition(speed)) + ")");
    line("  wheel: " + (setting(pointer_settings::kScreenPerNotch) != 0
                            ? std::string("one screen a notch")
                            : std::to_string(setting(pointer_settings::kScrollLinesPosition)) +
                                  " lines a notch"));
    line("  double-click position " + std::to_string(doubleClick) + " (" +
         std::to_string(doubleClickTimeForPosition(doubleClick)) + " ms)");
    line("  enhance pointer precision: " + onOff(setting(pointer_settings::kPrecision) != 0));
    return out;
}

}  // namespace quorvel::cli
