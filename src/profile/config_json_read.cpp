// configFromJson: the version 1 form (buttons and stages counted from 0, every parameter of
// every function), what both versions read alike, and the choice between the versions.
#include <cctype>
#include <nlohmann/json.hpp>
#include <vector>

#include "config/record_texts.h"
#include "profile/config_json.h"
#include "profile/config_json_fields.h"
#include "profile/config_json_reader.h"

namespace quorvel {
namespace {

using namespace config_json;

// A stored index; one the record cannot hold is named with the range the sensor's list allows.
std::optional<int> dpiIndex(Reader& r, const Json& value, const std::string& at, Range range) {
    const std::int64_t max = range == Range::Window ? kMaxDpiIndex : 255;
    const bool whole = value.is_number_integer();
    const bool fits =
        whole && (value.is_number_unsigned()
                      ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(max)
                      : value.get<std::int64_t>() >= 0 && value.get<std::int64_t>() <= max);
    if (fits)
        return static_cast<int>(value.get<std::int64_t>());
    const DpiIndexRange real = dpiIndexRange(r.sensorType());
    const std::string allowed = "from 0 to " + std::to_string(real.last) + ", " + real.list;
    r.fail(at, whole ? value.dump() + " is out of range (" + allowed + ")"
                     : "must be a whole number " + allowed);
    return std::nullopt;
}

// The index of a DPI value in the sensor's list.
std::optional<int> indexOfDpi(Reader& r, const Json& value, const std::string& at) {
    const auto sensor = r.sensorType();
    if (!sensor) {
        r.fail(at,
               "needs the sensor type whose DPI list it is in: give --sensor N or connect "
               "the mouse, or give dpi_index instead");
        return std::nullopt;
    }
    const auto list = dpiValueList(*sensor);
    const std::string type = "sensor type " + std::to_string(*sensor);
    if (list.empty()) {
        r.fail(at, type + " has no DPI list; give dpi_index instead");
        return std::nullopt;
    }
    if (value.is_number_integer()) {
        const std::string text = std::to_string(value.get<std::int64_t>());
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i] == text)
                return static_cast<int>(i);
        }
    }
    std::string values;
    for (const auto entry : list)
        values += (values.empty() ? "" : ", ") + std::string(entry);
    r.fail(at, value.dump() + " is not a DPI value of " + type + " (" + values + ")");
    return std::nullopt;
}

std::vector<std::string_view> groupFields(std::string_view group) {
    std::vector<std::string_view> names;
    for (const auto& field : kParameterFields) {
        if (field.group == group)
            names.push_back(field.name);
    }
    return names;
}

std::array<std::string_view, kFunctionCount> functionNames() {
    std::array<std::string_view, kFunctionCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kButtonFunctions[i].listText;
    return names;
}

bool readButton(Reader& r, const Json& value, const std::string& at, Mode mode, int button,
                MouseConfig& config) {
    if (!r.object(value, at, kButtonFields))
        return false;
    const auto code = r.name(value[kFunction], child(at, kFunction), functionNames());
    if (!code)
        return false;
    const auto function = kButtonFunctions[*code];
    const std::string why = "for a " + std::string(function.listText) + " button";
    config.setFunctionCode(mode, button, codeByte(function.code));

    const bool isDpiSwitch = function.code == FunctionCode::DpiSwitch;
    const auto dpiSwitch =
        isDpiSwitch
            ? r.integer(value[kDpiSwitch], child(at, kDpiSwitch), kDpiSwitchMin, kDpiSwitchMax, why)
            : r.integer(value[kDpiSwitch], child(at, kDpiSwitch), 0, 255);
    if (!dpiSwitch)
        return false;
    config.setDpiSwitchParameter(mode, button, static_cast<std::uint8_t>(*dpiSwitch));

    for (std::size_t g = 2; g < kButtonFields.size(); ++g) {
        const std::string group = child(at, kButtonFields[g]);
        const Json& groupValue = value[kButtonFields[g]];
        if (!r.object(groupValue, group, groupFields(kButtonFields[g])))
            return false;
        for (const auto& field : kParameterFields) {
            if (field.group != kButtonFields[g])
                continue;
            const bool inUse = field.owner == function.code;
            const int max = field.wide ? 0xFFFF : 255;
            const auto v =
                inUse ? r.integer(groupValue[field.name], child(group, field.name), field.min,
                                  field.max, why)
                      : r.integer(groupValue[field.name], child(group, field.name), 0, max);
            if (!v)
                return false;
            config.setButtonField(mode, field.low, button, static_cast<std::uint8_t>(*v & 0xFF));
            if (field.wide) {
                config.setButtonField(mode, highField(field.low), button,
                                      static_cast<std::uint8_t>(*v >> 8));
            }
        }
    }
    return true;
}

bool readStages(Reader& r, const Json& value, const std::string& at, MouseConfig& config) {
    if (!r.array(value, at, kStageCount))
        return false;
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const auto i = static_cast<std::size_t>(stage - 1);
        if (!readStage(r, value[i], element(at, i), stage, Range::Window, config))
            return false;
    }
    return true;
}

bool readLighting(Reader& r, const Json& value, const std::string& at, MouseConfig& config) {
    if (!r.object(value, at, kLightingFields))
        return false;
    const auto mode = r.name(value[kLightingMode], child(at, kLightingMode), kLightingModeNames);
    if (!mode)
        return false;
    config.setLightingMode(static_cast<std::uint8_t>(*mode));
    for (const auto& field : kLightingNumbers) {
        const auto v = r.integer(value[field.name], child(at, field.name), 0, field.max);
        if (!v)
            return false;
        config.bytes()[field.offset] = static_cast<std::uint8_t>(*v);
    }
    constexpr std::array<std::string_view, 2> kNeonEffects = {
        kLightingEffectNames[kNeonEffectFirst], kLightingEffectNames[kNeonEffectLast]};
    const auto neon = r.name(value[kNeonEffect], child(at, kNeonEffect), kNeonEffects);
    if (!neon)
        return false;
    config.setNeonEffect(static_cast<std::uint8_t>(kNeonEffectFirst + *neon));
    return true;
}

bool readVersion(Reader& r, const Json& doc, std::span<const std::string_view> extraFields) {
    if (!doc.is_object())
        return r.fail("", "must be a JSON object");
    const auto format = doc.find(kFormat);
    if (format == doc.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != kConfigJsonFormat) {
        return r.fail(std::string(kFormat),
                      "must be \"" + std::string(kConfigJsonFormat) + "\" (not a configuration)");
    }
    const auto version = doc.find(kVersion);
    if (version == doc.end() || !version->is_number_integer() || version->get<std::int64_t>() < 1 ||
        version->get<std::int64_t>() > kConfigJsonVersion) {
        return r.fail(std::string(kVersion),
                      "this tool reads versions 1 to " + std::to_string(kConfigJsonVersion));
    }
    return r.object(doc, "", kTopFields, extraFields);
}

bool readRecordV1(Reader& r, const Json& doc, MouseConfig& config) {
    if (!readShownModeAndRate(r, doc, config))
        return false;
    if (!readStages(r, doc[kStages], std::string(kStages), config))
        return false;
    if (!readLighting(r, doc[kLighting], std::string(kLighting), config))
        return false;

    const std::string modesAt(kModes);
    if (!r.object(doc[kModes], modesAt, kModeNames))
        return false;
    for (Mode mode : {Mode::A, Mode::B}) {
        const auto name = kModeNames[static_cast<std::size_t>(mode)];
        const std::string at = child(modesAt, name);
        const Json& buttons = doc[kModes][name];
        if (!r.array(buttons, at, kButtonCount))
            return false;
        for (int b = 0; b < kButtonCount; ++b) {
            const auto i = static_cast<std::size_t>(b);
            if (!readButton(r, buttons[i], element(at, i), mode, b, config))
                return false;
        }
    }

    const std::string macrosAt(kMacroTable);
    if (!r.array(doc[kMacroTable], macrosAt, kMacroSlotCount))
        return false;
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        if (!r.hex(doc[kMacroTable][i], element(macrosAt, i), config.macroBlock(slot))) {
            return false;
        }
    }
    if (!readPointer(r, doc[kPointer], std::string(kPointer), Range::Window, config))
        return false;
    return readReserved(r, doc[kReserved], std::string(kReserved), config);
}

}  // namespace

namespace config_json {

std::string parseMessage(const std::string& what) {
    const auto end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

ConfigJsonResult readDocument(const Json& doc, const SensorSource& sensor,
                              std::span<const std::string_view> extraFields) {
    ConfigJsonResult result;
    Reader reader(sensor);
    MouseConfig config;
    const bool read = readVersion(reader, doc, extraFields) &&
                      (doc[kVersion] == 1 ? readRecordV1(reader, doc, config)
                                          : readRecordV2(reader, doc, config));
    if (read) {
        result.config = config;
    } else {
        result.error = reader.error();
    }
    return result;
}

bool readShownModeAndRate(Reader& r, const Json& doc, MouseConfig& config) {
    const auto shown = r.name(doc[kShownMode], std::string(kShownMode), kModeNames);
    if (!shown)
        return false;
    config.setShownMode(*shown == 1 ? Mode::B : Mode::A);

    const std::string at(kReportRate);
    const Json& rate = doc[kReportRate];
    constexpr std::uint64_t kFastest = 1000;
    if (!rate.is_number())
        return r.fail(at, "must be a number: 125, 250, 500 or 1000");
    const auto code = rate.is_number_unsigned() && rate.get<std::uint64_t>() <= kFastest
                          ? reportRateCode(static_cast<int>(rate.get<std::uint64_t>()))
                          : std::nullopt;
    if (!code)
        return r.fail(at, "must be 125, 250, 500 or 1000");
    config.setReportRate(*code);
    return true;
}

bool readStage(Reader& r, const Json& value, const std::string& at, int stage, Range range,
               MouseConfig& config) {
    if (!r.object(value, at, kStageFields, kStageDpiFields))
        return false;
    const bool hasIndex = value.contains(kDpiIndex);
    const bool hasDpi = value.contains(kDpi);
    if (!hasIndex && !hasDpi) {
        return r.fail(child(at, kDpiIndex),
                      "missing (or give \"dpi\", a value of the sensor's DPI list)");
    }
    std::optional<int> index;
    if (hasIndex && !(index = dpiIndex(r, value[kDpiIndex], child(at, kDpiIndex), range)))
        return false;
    if (hasDpi) {
        const auto listed = indexOfDpi(r, value[kDpi], child(at, kDpi));
        if (!listed)
            return false;
        if (index && *index != *listed) {
            return r.fail(child(at, kDpi),
                          value[kDpi].dump() + " is at dpi_index " + std::to_string(*listed) +
                              " of the DPI list of sensor type " + std::to_string(*r.sensorType()) +
                              ", but dpi_index is " + std::to_string(*index) +
                              "; correct or leave out one of them");
        }
        index = listed;
    }
    const auto enabled = r.boolean(value[kEnabled], child(at, kEnabled));
    const auto colour = enabled ? r.colour(value[kColour], child(at, kColour)) : std::nullopt;
    if (!colour)
        return false;
    config.setDpiValueIndex(stage, static_cast<std::uint8_t>(*index));
    config.setStageEnabled(stage, *enabled);
    config.setStageColour(stage, *colour);
    return true;
}

bool readPointer(Reader& r, const Json& value, const std::string& at, Range range,
                 MouseConfig& config) {
    std::array<std::string_view, kPointerFields.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kPointerFields[i].name;
    if (!r.object(value, at, names))
        return false;
    for (const auto& field : kPointerFields) {
        const Json& v = value[field.name];
        const std::string f = child(at, field.name);
        std::optional<int> stored;
        if (field.isSwitch) {
            const auto on = r.boolean(v, f);
            stored = on ? std::optional(*on ? 1 : 0) : std::nullopt;
        } else if (range == Range::Window) {
            stored = r.integer(v, f, field.min, field.max);
        } else {
            stored = r.integer(v, f, 0, 255);
        }
        if (!stored)
            return false;
        config.setPointerSetting(field.offset, static_cast<std::uint8_t>(*stored));
    }
    return true;
}

bool readReserved(Reader& r, const Json& value, const std::string& at, MouseConfig& config,
                  std::span<const std::string_view> optionalFields) {
    if (!r.object(value, at, kReservedFields, optionalFields))
        return false;
    auto bytes = config.bytes();
    if (!r.hex(value[kReservedAfterModeA], child(at, kReservedAfterModeA),
               bytes.subspan(record::kReservedAfterModeA, record::kReservedAfterModeASize))) {
        return false;
    }
    const auto before =
        r.integer(value[kReservedBeforeStages], child(at, kReservedBeforeStages), 0, 255);
    const auto after =
        before ? r.integer(value[kReservedAfterLighting], child(at, kReservedAfterLighting), 0, 255)
               : std::nullopt;
    if (!after)
        return false;
    bytes[record::kReservedBeforeStages] = static_cast<std::uint8_t>(*before);
    bytes[record::kReservedAfterLighting] = static_cast<std::uint8_t>(*after);
    return true;
}

}  // namespace config_json

ConfigJsonResult configFromJson(std::string_view text, const SensorSource& sensor) {
    ConfigJsonResult result;
    readGuarded(text, result.error, [&](const Json& doc) { result = readDocument(doc, sensor); });
    return result;
}

}  // namespace quorvel
