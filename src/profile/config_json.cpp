#include "profile/config_json.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "config/dpi_tables.h"
#include "config/record_texts.h"
#include "profile/config_json_fields.h"
#include "profile/config_json_reader.h"

namespace quorvel {
namespace {

using Json = nlohmann::ordered_json;
using namespace config_json;

constexpr std::size_t kLineWidth = 100;
constexpr int kIndent = 2;

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::string colourText(Colour colour) {
    const std::array<std::uint8_t, 3> rgb = {colour.red, colour.green, colour.blue};
    return "#" + hexBytes(rgb);
}

Json switchValue(std::uint8_t byte) {
    if (byte > 1)
        return nullptr;
    return byte == 1;
}

// The name of `value` in `names`, else the plain number (which the rules then judge).
template <typename Names>
Json nameOrNumber(const Names& names, std::size_t value) {
    return value < names.size() ? Json(names[value]) : Json(value);
}

// The table entry at the stored list position, when the stored code is that entry's;
// else null: a position and a code that disagree have no name.
template <typename Table, typename CodeOf>
Json listEntry(const Table& table, std::size_t position, unsigned code, CodeOf codeOf) {
    if (position >= table.size() || codeOf(table[position]) != code)
        return nullptr;
    return table[position].name;
}

Json keyValue(std::uint8_t code) {
    for (const auto& key : kKeyNameTable) {
        if (key.code == code)
            return key.name;
    }
    return code;
}

Json buttonJson(const MouseConfig& config, Mode mode, int button) {
    Json out = Json::object();
    const auto function = buttonFunction(config.functionCode(mode, button));
    out[kFunction] = function ? Json(function->listText) : Json(nullptr);
    if (!function)
        return out;
    const auto field = [&](ButtonField f) { return config.buttonField(mode, f, button); };
    const auto code = [](const auto& entry) -> unsigned { return entry.code; };
    switch (function->code) {
        case FunctionCode::DpiSwitch: {
            const int parameter = config.dpiSwitchParameter(mode, button);
            out[kDpiSwitch] = parameter >= kDpiSwitchMin && parameter <= kDpiSwitchMax
                                  ? Json(kDpiSwitchNames[static_cast<std::size_t>(parameter - 1)])
                                  : Json(parameter);
            break;
        }
        case FunctionCode::Windows:
            out[kKey] = listEntry(
                kWindowsKeyTable, field(ButtonField::WindowsPosition),
                field(ButtonField::WindowsUsageLow) | field(ButtonField::WindowsUsageHigh) << 8,
                [](const NamedUsage& entry) -> unsigned { return entry.usage; });
            break;
        case FunctionCode::Multimedia:
            out[kKey] = listEntry(kMediaKeyTable, field(ButtonField::MediaPosition),
                                  field(ButtonField::MediaUsage), code);
            break;
        case FunctionCode::FireKey:
            out[kTarget] = listEntry(kFireTargetTable, field(ButtonField::FirePosition),
                                     field(ButtonField::FireKeyCode), code);
            out[kSpeed] = field(ButtonField::FireSpeed);
            out[kTimes] = field(ButtonField::FireTimes);
            break;
        case FunctionCode::SingleKey:
            out[kKey] = keyValue(field(ButtonField::SingleKeyCode));
            break;
        case FunctionCode::ComboKey: {
            Json modifiers = Json::array();
            for (const auto& modifier : kModifierTable) {
                if ((field(ButtonField::ComboModifiers) & modifier.code) != 0)
                    modifiers.push_back(modifier.name);
            }
            out[kModifiers] = std::move(modifiers);
            if (field(ButtonField::ComboFirstKey) != 0)
                out[kFirstKey] = keyValue(field(ButtonField::ComboFirstKey));
            if (field(ButtonField::ComboSecondKey) != 0)
                out[kSecondKey] = keyValue(field(ButtonField::ComboSecondKey));
            break;
        }
        case FunctionCode::MacroKey:
            out[kSlot] = field(ButtonField::MacroSlot) + 1;
            out[kRepeat] = nameOrNumber(kRepeatTexts, field(ButtonField::MacroRepeat));
            break;
        default:
            break;
    }
    return out;
}

Json stagesJson(const MouseConfig& config, std::optional<int> sensorType) {
    Json stages = Json::object();
    const auto bytes = config.bytes();
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const auto i = static_cast<std::size_t>(stage - 1);
        Json s = Json::object();
        s[kDpiIndex] = config.dpiValueIndex(stage);
        const auto dpi = sensorType ? dpiTextOfStage(config, stage, *sensorType) : "";
        int value = 0;
        if (std::from_chars(dpi.data(), dpi.data() + dpi.size(), value).ec == std::errc{} &&
            !dpi.empty())
            s[kDpi] = value;
        s[kEnabled] = switchValue(bytes[record::kStageEnabled + i]);
        s[kColour] = colourText(config.stageColour(stage));
        stages[std::to_string(stage)] = std::move(s);
    }
    return stages;
}

Json lightingJson(const MouseConfig& config) {
    Json out = Json::object();
    const auto mode = lightingModeName(config.lightingMode());
    out[kLightingMode] = mode.empty() ? Json(nullptr) : Json(mode);
    const auto group = [](std::string_view text, std::uint8_t parameter, std::uint8_t effect) {
        Json g = Json::object();
        g[kParameter] = text.empty() ? Json(parameter) : Json(text);
        g[kEffect] = nameOrNumber(kEffectWords, effect);
        return g;
    };
    out["standard"] = group(standardParameterText(config.standardParameter()),
                            config.standardParameter(), config.standardEffect());
    out["respiration"] = group(respirationParameterText(config.respirationParameter()),
                               config.respirationParameter(), config.respirationEffect());
    out["neon"] = group(neonParameterText(config.neonParameter()), config.neonParameter(),
                        config.neonEffect());
    return out;
}

}  // namespace

Json config_json::recordDocument(const MouseConfig& config, std::optional<int> sensorType) {
    const auto bytes = config.bytes();
    Json doc = Json::object();
    doc[kFormat] = kConfigJsonFormat;
    doc[kVersion] = kConfigJsonVersion;
    const std::uint8_t shown = config.shownModeByte();
    doc[kShownMode] = shown < kModeNames.size() ? Json(kModeNames[shown]) : Json(nullptr);
    const auto hertz = reportRateHertz(config.reportRate());
    doc[kReportRate] = hertz ? Json(*hertz) : Json(nullptr);
    doc[kStages] = stagesJson(config, sensorType);
    doc[kLighting] = lightingJson(config);
    for (Mode mode : {Mode::A, Mode::B}) {
        Json buttons = Json::object();
        for (int button = 0; button < kButtonCount; ++button)
            buttons[std::to_string(button + 1)] = buttonJson(config, mode, button);
        doc[kModes][kModeNames[static_cast<std::size_t>(mode)]] = std::move(buttons);
    }
    doc[kMacroTable] = Json::object();
    for (int slot = 0; slot < kMacroSlotCount; ++slot)
        doc[kMacroTable][std::to_string(slot + 1)] = hexBytes(config.macroBlock(slot));
    for (const auto& field : kPointerFields) {
        const std::uint8_t value = config.pointerSetting(field.offset);
        doc[kPointer][field.name] = field.isSwitch ? switchValue(value) : Json(value);
    }
    doc[kReserved][kReservedAfterModeA] =
        hexBytes(bytes.subspan(record::kReservedAfterModeA, record::kReservedAfterModeASize));
    doc[kReserved][kReservedBeforeStages] = bytes[record::kReservedBeforeStages];
    doc[kReserved][kReservedAfterLighting] = bytes[record::kReservedAfterLighting];
    doc[kReserved][kParameters] = hexBytes(carriedParameters(config));
    return doc;
}

namespace {

// Appends the value on one line; false (with a partial text) once it passes `limit` characters,
// so deciding whether a large object fits costs no more than a line.
bool oneLine(const Json& value, std::size_t limit, std::string& text) {
    if (value.is_object() || value.is_array()) {
        const bool object = value.is_object();
        text += object ? '{' : '[';
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (it != value.begin())
                text += ", ";
            if (object)
                text += Json(it.key()).dump() + ": ";
            if (text.size() > limit || !oneLine(it.value(), limit, text))
                return false;
        }
        text += object ? '}' : ']';
    } else {
        text += value.dump();
    }
    return text.size() <= limit;
}

// Pretty printing that keeps a small object on one line, so a button reads as a few lines.
void layOut(const Json& value, int depth, std::size_t lead, std::string& out) {
    const std::size_t used = static_cast<std::size_t>(depth * kIndent) + lead;
    const bool container = value.is_object() || value.is_array();
    std::string flat;
    const bool fits = oneLine(value, used < kLineWidth ? kLineWidth - used : 0, flat);
    if (!container || value.empty() || fits) {
        if (!fits) {  // a long scalar, or an empty container after a long key
            flat.clear();
            oneLine(value, std::string::npos, flat);
        }
        out += flat;
        return;
    }
    const std::string inner(static_cast<std::size_t>((depth + 1) * kIndent), ' ');
    out += value.is_object() ? "{\n" : "[\n";
    std::size_t i = 0;
    for (auto it = value.begin(); it != value.end(); ++it, ++i) {
        out += inner;
        std::size_t keyLead = 0;
        if (value.is_object()) {
            const std::string key = Json(it.key()).dump() + ": ";
            out += key;
            keyLead = key.size();
        }
        layOut(it.value(), depth + 1, keyLead, out);
        out += i + 1 < value.size() ? ",\n" : "\n";
    }
    out += std::string(static_cast<std::size_t>(depth * kIndent), ' ');
    out += value.is_object() ? "}" : "]";
}

}  // namespace

std::string config_json::layOutDocument(const Json& doc) {
    std::string out;
    layOut(doc, 0, 0, out);
    return out + "\n";
}

std::string configToJson(const MouseConfig& config, std::optional<int> sensorType) {
    return config_json::layOutDocument(config_json::recordDocument(config, sensorType));
}

}  // namespace quorvel
