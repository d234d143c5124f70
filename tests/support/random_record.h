// Random configuration records whose every value lies in its range, every byte otherwise
// random (reserved bytes, macro blocks and unused parameters included).
#pragma once

#include <random>

#include "cli/config_json_fields.h"
#include "config/record_texts.h"

namespace quorvel::testing {

inline MouseConfig randomValidRecord(std::mt19937& rng) {
    auto pick = [&rng](int min, int max) {
        return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(min, max)(rng));
    };
    MouseConfig config;
    for (auto& byte : config.bytes())
        byte = pick(0, 255);

    config.setShownMode(pick(0, 1) == 1 ? Mode::B : Mode::A);
    config.setReportRate(kReportRates[pick(0, static_cast<int>(kReportRates.size()) - 1)].code);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        config.setDpiValueIndex(stage, pick(0, config_json::kMaxDpiIndex));
        config.setStageEnabled(stage, pick(0, 1) == 1);
    }
    config.setLightingMode(pick(0, static_cast<int>(kLightingModeNames.size()) - 1));
    for (const auto& field : config_json::kLightingNumbers) {
        config.bytes()[field.offset] = pick(0, field.max);
    }
    config.setNeonEffect(pick(kNeonEffectFirst, kNeonEffectLast));
    for (Mode mode : {Mode::A, Mode::B}) {
        for (int button = 0; button < kButtonCount; ++button) {
            const std::uint8_t code = pick(0, kFunctionCount - 1);
            config.setFunctionCode(mode, button, code);
            if (code == codeByte(FunctionCode::DpiSwitch)) {
                config.setDpiSwitchParameter(
                    mode, button, pick(config_json::kDpiSwitchMin, config_json::kDpiSwitchMax));
            }
            for (const auto& field : config_json::kParameterFields) {
                if (codeByte(field.owner) != code || field.wide)
                    continue;
                config.setButtonField(mode, field.low, button, pick(field.min, field.max));
            }
        }
    }
    for (const auto& field : config_json::kPointerFields) {
        config.setPointerSetting(field.offset, pick(field.min, field.max));
    }
    return config;
}

}  // namespace quorvel::testing
