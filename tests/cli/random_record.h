// Random configuration records that the mouse and the program accept, every byte otherwise
// random (reserved bytes, macro blocks and the parameters of functions a button lacks).
#pragma once

#include <random>

#include "config/record_texts.h"
#include "profile/config_json_fields.h"

namespace quorvel::testing {

inline MouseConfig randomValidRecord(std::mt19937& rng) {
    auto pick = [&rng](int min, int max) {
        return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(min, max)(rng));
    };
    auto last = [](const auto& table) { return static_cast<int>(table.size()) - 1; };
    MouseConfig config;
    for (auto& byte : config.bytes())
        byte = pick(0, 255);

    config.setShownMode(pick(0, 1) == 1 ? Mode::B : Mode::A);
    config.setReportRate(kReportRates[pick(0, last(kReportRates))].code);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        config.setDpiValueIndex(stage, pick(0, config_json::kMaxDpiIndex));
        config.setStageEnabled(stage, pick(0, 1) == 1);
    }
    config.setLightingMode(pick(0, last(kLightingModeNames)));
    for (const auto& field : config_json::kLightingNumbers) {
        config.bytes()[field.offset] = pick(0, field.max);
    }
    config.setNeonEffect(pick(kNeonEffectFirst, kNeonEffectLast));
    const auto tableKey = [&] { return kKeyNameTable[pick(0, last(kKeyNameTable))].code; };
    // Shift stands on one button in both modes, or on none.
    const int shift = pick(0, 2) == 0 ? pick(1, kButtonCount - 1) : -1;
    for (Mode mode : {Mode::A, Mode::B}) {
        for (int button = 0; button < kButtonCount; ++button) {
            std::uint8_t code = pick(0, kFunctionCount - 1);
            if (button == 0)
                code = codeByte(FunctionCode::LeftClick);
            else if (button == shift)
                code = codeByte(FunctionCode::Shift);
            else if (code == codeByte(FunctionCode::Shift))
                code = codeByte(FunctionCode::KeyOff);
            config.setFunctionCode(mode, button, code);
            const auto set = [&](ButtonField f, std::uint8_t v) {
                config.setButtonField(mode, f, button, v);
            };
            switch (static_cast<FunctionCode>(code)) {
                case FunctionCode::DpiSwitch:
                    config.setDpiSwitchParameter(
                        mode, button, pick(config_json::kDpiSwitchMin, config_json::kDpiSwitchMax));
                    break;
                case FunctionCode::Windows: {
                    const std::uint8_t at = pick(0, last(kWindowsKeyTable));
                    set(ButtonField::WindowsPosition, at);
                    set(ButtonField::WindowsUsageLow, kWindowsKeyTable[at].usage & 0xFF);
                    set(ButtonField::WindowsUsageHigh, kWindowsKeyTable[at].usage >> 8);
                    break;
                }
                case FunctionCode::Multimedia: {
                    const std::uint8_t at = pick(0, last(kMediaKeyTable));
                    set(ButtonField::MediaPosition, at);
                    set(ButtonField::MediaUsage, kMediaKeyTable[at].code);
                    break;
                }
                case FunctionCode::FireKey: {
                    const std::uint8_t at = pick(0, last(kFireTargetTable));
                    set(ButtonField::FirePosition, at);
                    set(ButtonField::FireKeyCode, kFireTargetTable[at].code);
                    set(ButtonField::FireSpeed, pick(config_json::kFireSpeedMin, 255));
                    break;
                }
                case FunctionCode::SingleKey:
                    set(ButtonField::SingleKeyCode, tableKey());
                    break;
                case FunctionCode::ComboKey:
                    set(ButtonField::ComboFirstKey, pick(0, 1) == 1 ? tableKey() : 0);
                    set(ButtonField::ComboSecondKey, tableKey());
                    break;
                case FunctionCode::MacroKey:
                    set(ButtonField::MacroSlot, pick(0, kMacroSlotCount - 1));
                    set(ButtonField::MacroRepeat, pick(0, last(config_json::kRepeatTexts)));
                    break;
                default:
                    break;
            }
        }
    }
    for (const auto& field : config_json::kPointerFields) {
        config.setPointerSetting(field.offset, pick(field.min, field.max));
    }
    return config;
}

}  // namespace quorvel::testing
