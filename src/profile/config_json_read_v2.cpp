// Version 2 of the JSON form: names for what has names, counting from 1. The values' forms
// are checked here; what the mouse accepts is the rules' part.
#include <vector>

#include "config/record_texts.h"
#include "keys/button_functions.h"
#include "keys/key_code_tables.h"
#include "profile/config_json_fields.h"
#include "profile/config_json_reader.h"
#include "profile/key_words.h"

namespace quorvel::config_json {
namespace {

constexpr int kByteMax = 255;

template <std::size_t N>
std::array<std::string, N> numberedNames() {
    std::array<std::string, N> names;
    for (std::size_t i = 0; i < N; ++i)
        names[i] = std::to_string(i + 1);
    return names;
}

template <std::size_t N>
std::array<std::string_view, N> views(const std::array<std::string, N>& names) {
    std::array<std::string_view, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = names[i];
    return out;
}

template <typename Table>
std::vector<std::string_view> namesOf(const Table& table) {
    std::vector<std::string_view> names;
    for (const auto& entry : table)
        names.push_back(entry.name);
    return names;
}

// A name from `names` (its position) or, when `numbers` allows, a plain byte.
std::optional<int> nameOrByte(Reader& r, const Json& value, const std::string& at,
                              std::span<const std::string_view> names, bool numbers = true) {
    if (numbers && value.is_number())
        return r.integer(value, at, 0, kByteMax);
    const auto index = r.name(value, at, names);
    if (!index)
        return std::nullopt;
    return static_cast<int>(*index);
}

// A key of the key table by name, or its code as a number.
std::optional<std::uint8_t> keyCode(Reader& r, const Json& value, const std::string& at) {
    if (value.is_number()) {
        const auto code = r.integer(value, at, 0, kByteMax);
        return code ? std::optional(static_cast<std::uint8_t>(*code)) : std::nullopt;
    }
    if (value.is_string()) {
        const auto& word = value.get_ref<const std::string&>();
        if (const auto code = keyCodeOfWord(word))
            return code;
        r.fail(at, "\"" + word + "\" is not a key name" + keySuggestion(word));
        return std::nullopt;
    }
    r.fail(at, "must be a key name ('quorvelctl keys' lists them) or a key code");
    return std::nullopt;
}

// The fields a button of each function holds besides "function".
std::vector<std::string_view> fieldsOf(FunctionCode code) {
    switch (code) {
        case FunctionCode::DpiSwitch:
            return {kDpiSwitch};
        case FunctionCode::Windows:
        case FunctionCode::Multimedia:
        case FunctionCode::SingleKey:
            return {kKey};
        case FunctionCode::FireKey:
            return {kTarget, kSpeed, kTimes};
        case FunctionCode::ComboKey:
            return {kModifiers};
        case FunctionCode::MacroKey:
            return {kSlot, kRepeat};
        default:
            return {};
    }
}

bool readButton(Reader& r, const Json& value, const std::string& at, Mode mode, int button,
                MouseConfig& config) {
    if (!value.is_object())
        return r.fail(at, "must be an object");
    std::vector<std::string_view> functions;
    for (const auto& f : kButtonFunctions)
        functions.push_back(f.listText);
    const auto index = r.name(value.contains(kFunction) ? value[kFunction] : Json(),
                              child(at, kFunction), functions);
    if (!index)
        return false;
    const ButtonFunction& function = kButtonFunctions[*index];
    std::vector<std::string_view> fields = {kFunction};
    const auto own = fieldsOf(function.code);
    fields.insert(fields.end(), own.begin(), own.end());
    constexpr std::array<std::string_view, 2> kComboKeys = {kFirstKey, kSecondKey};
    const bool combo = function.code == FunctionCode::ComboKey;
    if (!r.object(value, at, fields,
                  combo ? std::span(kComboKeys) : std::span<const std::string_view>{}))
        return false;
    config.setFunctionCode(mode, button, codeByte(function.code));
    const auto set = [&](ButtonField f, int v) {
        config.setButtonField(mode, f, button, static_cast<std::uint8_t>(v));
    };
    const auto at_ = [&](std::string_view name) { return child(at, name); };
    switch (function.code) {
        case FunctionCode::DpiSwitch: {
            const auto v = nameOrByte(r, value[kDpiSwitch], at_(kDpiSwitch), kDpiSwitchNames);
            if (!v)
                return false;
            const bool named = value[kDpiSwitch].is_string();
            config.setDpiSwitchParameter(
                mode, button, static_cast<std::uint8_t>(named ? *v + kDpiSwitchMin : *v));
            return true;
        }
        case FunctionCode::Windows: {
            const auto v = nameOrByte(r, value[kKey], at_(kKey), namesOf(kWindowsKeyTable), false);
            if (!v)
                return false;
            const UsageBytes usage = windowsUsageFromPosition(*v);
            set(ButtonField::WindowsPosition, *v);
            set(ButtonField::WindowsUsageLow, usage.low);
            set(ButtonField::WindowsUsageHigh, usage.high);
            return true;
        }
        case FunctionCode::Multimedia: {
            const auto v = nameOrByte(r, value[kKey], at_(kKey), namesOf(kMediaKeyTable), false);
            if (!v)
                return false;
            set(ButtonField::MediaPosition, *v);
            set(ButtonField::MediaUsage, mediaUsageFromPosition(*v));
            return true;
        }
        case FunctionCode::FireKey: {
            const Json& target = value[kTarget];
            std::optional<int> position;
            if (target.is_number()) {
                // A key code: the first target of that code.
                const auto code = r.integer(target, at_(kTarget), 0, kByteMax);
                if (!code)
                    return false;
                for (std::size_t i = 0; i < kFireTargetTable.size() && !position; ++i) {
                    if (kFireTargetTable[i].code == *code)
                        position = static_cast<int>(i);
                }
                if (!position)
                    return r.fail(at_(kTarget), "code " + std::to_string(*code) +
                                                    " is not a target of the Fire Key list");
            } else {
                position = nameOrByte(r, target, at_(kTarget), namesOf(kFireTargetTable), false);
                if (!position)
                    return false;
            }
            const auto speed = r.integer(value[kSpeed], at_(kSpeed), 0, kByteMax);
            const auto times =
                speed ? r.integer(value[kTimes], at_(kTimes), 0, kByteMax) : std::nullopt;
            if (!times)
                return false;
            set(ButtonField::FirePosition, *position);
            set(ButtonField::FireKeyCode, fireKeyCodeFromPosition(*position));
            set(ButtonField::FireSpeed, *speed);
            set(ButtonField::FireTimes, *times);
            return true;
        }
        case FunctionCode::SingleKey: {
            const auto code = keyCode(r, value[kKey], at_(kKey));
            if (!code)
                return false;
            set(ButtonField::SingleKeyCode, *code);
            return true;
        }
        case FunctionCode::ComboKey: {
            const Json& list = value[kModifiers];
            if (!list.is_array())
                return r.fail(at_(kModifiers), "must be a list of modifier names");
            int bits = 0;
            for (std::size_t i = 0; i < list.size(); ++i) {
                const auto m =
                    r.name(list[i], element(at_(kModifiers), i), namesOf(kModifierTable));
                if (!m)
                    return false;
                bits |= kModifierTable[*m].code;
            }
            std::array<std::uint8_t, 2> keys{};
            for (std::size_t k = 0; k < kComboKeys.size(); ++k) {
                if (!value.contains(kComboKeys[k]))
                    continue;
                const auto code = keyCode(r, value[kComboKeys[k]], at_(kComboKeys[k]));
                if (!code)
                    return false;
                keys[k] = *code;
            }
            set(ButtonField::ComboModifiers, bits);
            set(ButtonField::ComboFirstKey, keys[0]);
            set(ButtonField::ComboSecondKey, keys[1]);
            return true;
        }
        case FunctionCode::MacroKey: {
            const auto slot = r.integer(value[kSlot], at_(kSlot), 1, kByteMax + 1);
            const auto repeat =
                slot ? nameOrByte(r, value[kRepeat], at_(kRepeat), kRepeatTexts) : std::nullopt;
            if (!repeat)
                return false;
            set(ButtonField::MacroSlot, *slot - 1);
            set(ButtonField::MacroRepeat, *repeat);
            return true;
        }
        default:
            return true;
    }
}

bool readStages(Reader& r, const Json& value, const std::string& at, MouseConfig& config) {
    static const auto names = numberedNames<kStageCount>();
    if (!r.object(value, at, views(names)))
        return false;
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const std::string& name = names[static_cast<std::size_t>(stage - 1)];
        if (!readStage(r, value[name], child(at, name), stage, Range::AnyByte, config))
            return false;
    }
    return true;
}

// The effect in this tool's words, or in the window's, or as a number.
std::optional<int> effect(Reader& r, const Json& value, const std::string& at) {
    if (value.is_string()) {
        for (std::size_t i = 0; i < kLightingEffectNames.size(); ++i) {
            if (value.get_ref<const std::string&>() == kLightingEffectNames[i])
                return static_cast<int>(i);
        }
    }
    return nameOrByte(r, value, at, kEffectWords);
}

bool readLighting(Reader& r, const Json& value, const std::string& at, MouseConfig& config) {
    if (!r.object(value, at, kLightingFieldsV2))
        return false;
    const auto mode = r.name(value[kLightingMode], child(at, kLightingMode), kLightingModeNames);
    if (!mode)
        return false;
    config.setLightingMode(static_cast<std::uint8_t>(*mode));
    std::vector<std::string> neonTexts;
    for (int i = 0; i < kNeonParameterCount; ++i)
        neonTexts.push_back(neonParameterText(static_cast<std::uint8_t>(i)));
    const std::vector<std::string_view> neonNames(neonTexts.begin(), neonTexts.end());
    const std::array<std::span<const std::string_view>, 3> parameterNames = {
        kStandardParameterTexts, kRespirationParameterTexts, neonNames};
    constexpr std::array<std::size_t, 3> kParameterOffsets = {
        record::kStandardParameter, record::kRespirationParameter, record::kNeonParameter};
    constexpr std::array<std::size_t, 3> kEffectOffsets = {
        record::kStandardEffect, record::kRespirationEffect, record::kNeonEffect};
    for (std::size_t g = 0; g < kLightingGroups.size(); ++g) {
        const std::string group = child(at, kLightingGroups[g]);
        const Json& v = value[kLightingGroups[g]];
        if (!r.object(v, group, kLightingGroupFields))
            return false;
        const auto parameter =
            nameOrByte(r, v[kParameter], child(group, kParameter), parameterNames[g]);
        const auto e = parameter ? effect(r, v[kEffect], child(group, kEffect)) : std::nullopt;
        if (!e)
            return false;
        config.bytes()[kParameterOffsets[g]] = static_cast<std::uint8_t>(*parameter);
        config.bytes()[kEffectOffsets[g]] = static_cast<std::uint8_t>(*e);
    }
    return true;
}

bool readReservedAndCarried(Reader& r, const Json& value, const std::string& at,
                            MouseConfig& config) {
    constexpr std::array<std::string_view, 1> kOptional = {kParameters};
    if (!readReserved(r, value, at, config, kOptional))
        return false;
    // Without it (a file written by hand) the parameters the buttons do not name are zero.
    std::array<std::uint8_t, kCarriedSize> carried{};
    if (value.contains(kParameters) && !r.hex(value[kParameters], child(at, kParameters), carried))
        return false;
    setCarriedParameters(config, carried);
    return true;
}

}  // namespace

bool readRecordV2(Reader& r, const Json& doc, MouseConfig& config) {
    if (!readShownModeAndRate(r, doc, config))
        return false;

    // The carried parameters first: the buttons' named values go over them.
    if (!readStages(r, doc[kStages], std::string(kStages), config) ||
        !readLighting(r, doc[kLighting], std::string(kLighting), config) ||
        !readReservedAndCarried(r, doc[kReserved], std::string(kReserved), config))
        return false;

    static const auto buttonNames = numberedNames<kButtonCount>();
    const std::string modesAt(kModes);
    if (!r.object(doc[kModes], modesAt, kModeNames))
        return false;
    for (Mode mode : {Mode::A, Mode::B}) {
        const auto name = kModeNames[static_cast<std::size_t>(mode)];
        const std::string at = child(modesAt, name);
        const Json& buttons = doc[kModes][name];
        if (!r.object(buttons, at, views(buttonNames)))
            return false;
        for (int b = 0; b < kButtonCount; ++b) {
            const auto& key = buttonNames[static_cast<std::size_t>(b)];
            if (!readButton(r, buttons[key], child(at, key), mode, b, config))
                return false;
        }
    }

    static const auto slotNames = numberedNames<kMacroSlotCount>();
    const std::string macrosAt(kMacroTable);
    if (!r.object(doc[kMacroTable], macrosAt, views(slotNames)))
        return false;
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        const auto& key = slotNames[static_cast<std::size_t>(slot)];
        if (!r.hex(doc[kMacroTable][key], child(macrosAt, key), config.macroBlock(slot)))
            return false;
    }
    return readPointer(r, doc[kPointer], std::string(kPointer), Range::AnyByte, config);
}

}  // namespace quorvel::config_json
