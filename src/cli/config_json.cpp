#include "cli/config_json.h"

#include <nlohmann/json.hpp>

#include "cli/config_json_fields.h"
#include "config/record_texts.h"

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

std::string colourText(Rgb colour) {
    const std::array<std::uint8_t, 3> rgb = {colour.red, colour.green, colour.blue};
    return "#" + hexBytes(rgb);
}

Json switchValue(std::uint8_t byte) {
    if (byte > 1)
        return nullptr;
    return byte == 1;
}

Json inRange(int value, int min, int max) {
    if (value < min || value > max)
        return nullptr;
    return value;
}

Json buttonJson(const MouseConfig& config, Mode mode, int button) {
    Json out = Json::object();
    const std::uint8_t code = config.functionCode(mode, button);
    const auto function = buttonFunction(code);
    out[kFunction] = function ? Json(function->listText) : Json(nullptr);
    const std::uint8_t dpiSwitch = config.dpiSwitchParameter(mode, button);
    const bool isDpiSwitch = code == codeByte(FunctionCode::DpiSwitch);
    out[kDpiSwitch] =
        isDpiSwitch ? inRange(dpiSwitch, kDpiSwitchMin, kDpiSwitchMax) : Json(dpiSwitch);
    for (const auto& field : kParameterFields) {
        int value = config.buttonField(mode, field.low, button);
        if (field.wide)
            value |= config.buttonField(mode, highField(field.low), button) << 8;
        const bool inUse = code == codeByte(field.owner);
        out[field.group][field.name] = inUse ? inRange(value, field.min, field.max) : Json(value);
    }
    return out;
}

Json stagesJson(const MouseConfig& config) {
    Json stages = Json::array();
    const auto bytes = config.bytes();
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const auto i = static_cast<std::size_t>(stage - 1);
        Json s = Json::object();
        s[kDpiIndex] = inRange(config.dpiValueIndex(stage), 0, kMaxDpiIndex);
        s[kEnabled] = switchValue(bytes[record::kStageEnabled + i]);
        s[kColour] = colourText(config.stageColour(stage));
        stages.push_back(std::move(s));
    }
    return stages;
}

Json lightingJson(const MouseConfig& config) {
    const auto bytes = config.bytes();
    Json out = Json::object();
    const auto mode = lightingModeName(config.lightingMode());
    out[kLightingMode] = mode.empty() ? Json(nullptr) : Json(mode);
    for (const auto& field : kLightingNumbers) {
        out[field.name] = inRange(bytes[field.offset], 0, field.max);
    }
    const std::uint8_t neon = config.neonEffect();
    out[kNeonEffect] = neon >= kNeonEffectFirst && neon <= kNeonEffectLast
                           ? Json(lightingEffectName(neon))
                           : Json(nullptr);
    return out;
}

Json recordJson(const MouseConfig& config) {
    const auto bytes = config.bytes();
    Json doc = Json::object();
    doc[kFormat] = kConfigJsonFormat;
    doc[kVersion] = kConfigJsonVersion;
    const std::uint8_t shown = config.shownModeByte();
    doc[kShownMode] = shown < kModeNames.size() ? Json(kModeNames[shown]) : Json(nullptr);
    const auto hertz = reportRateHertz(config.reportRate());
    doc[kReportRate] = hertz ? Json(*hertz) : Json(nullptr);
    doc[kStages] = stagesJson(config);
    doc[kLighting] = lightingJson(config);
    for (Mode mode : {Mode::A, Mode::B}) {
        Json buttons = Json::array();
        for (int button = 0; button < kButtonCount; ++button) {
            buttons.push_back(buttonJson(config, mode, button));
        }
        doc[kModes][kModeNames[static_cast<std::size_t>(mode)]] = std::move(buttons);
    }
    doc[kMacroTable] = Json::array();
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        doc[kMacroTable].push_back(hexBytes(config.macroBlock(slot)));
    }
    for (const auto& field : kPointerFields) {
        const std::uint8_t value = config.pointerSetting(field.offset);
        doc[kPointer][field.name] =
            field.isSwitch ? switchValue(value) : inRange(value, field.min, field.max);
    }
    doc[kReserved][kReservedAfterModeA] =
        hexBytes(bytes.subspan(record::kReservedAfterModeA, record::kReservedAfterModeASize));
    doc[kReserved][kReservedBeforeStages] = bytes[record::kReservedBeforeStages];
    doc[kReserved][kReservedAfterLighting] = bytes[record::kReservedAfterLighting];
    return doc;
}

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

std::string configToJson(const MouseConfig& config) {
    std::string out;
    layOut(recordJson(config), 0, 0, out);
    return out + "\n";
}

}  // namespace quorvel
