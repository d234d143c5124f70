#include "config/settings_file.h"

#include <algorithm>
#include <charconv>

#include "config/dpi_tables.h"

namespace quorvel {
namespace {

constexpr std::uint8_t kDpiLoopParameter = 3;

std::size_t labelIndex(Mode mode, int button) {
    return static_cast<std::size_t>(mode == Mode::B ? kButtonCount + button : button);
}

bool validButton(int button) {
    return button >= 0 && button < kButtonCount;
}

}  // namespace

const std::string& ButtonLabels::label(Mode mode, int button) const {
    static const std::string kNone;
    return validButton(button) ? texts_[labelIndex(mode, button)] : kNone;
}

void ButtonLabels::setLabel(Mode mode, int button, std::string text) {
    if (validButton(button)) {
        texts_[labelIndex(mode, button)] = std::move(text);
    }
}

ButtonLabels defaultButtonLabels(const DefaultLabelNames& names) {
    ButtonLabels labels;
    for (const Mode mode : {Mode::A, Mode::B}) {
        for (int button = 0; button < kButtonCount; ++button) {
            const std::uint8_t code = kDefaultFunctionCodes[static_cast<std::size_t>(button)];
            std::string_view text = names.keyOff;
            if (code < names.firstFunctions.size()) {
                text = names.firstFunctions[code];
            } else if (button == kDefaultDpiSwitchButton) {
                text = dpiSwitchName(kDpiLoopParameter);
            }
            labels.setLabel(mode, button, std::string(text));
        }
    }
    return labels;
}

std::string readLanguageCode(const IniFile& settings) {
    return settings.readString(kSkinsSection, kLanguageKey);
}

SettingsTexts readSettings(const IniFile& settings, std::string_view section) {
    SettingsTexts texts;
    for (std::size_t i = 0; i < kButtonLabelKeys.size(); ++i) {
        texts.labels.texts()[i] = settings.readString(section, kButtonLabelKeys[i]);
    }
    texts.red = settings.readString(kSkinsSection, kRedKey);
    texts.green = settings.readString(kSkinsSection, kGreenKey);
    texts.blue = settings.readString(kSkinsSection, kBlueKey);
    texts.skinName = settings.readString(kSkinsSection, kSkinPathKey);
    return texts;
}

bool writeButtonLabels(IniFile& settings, std::string_view section, const ButtonLabels& labels) {
    std::vector<IniFile::KeyValue> values;
    for (std::size_t i = 0; i < kButtonLabelKeys.size(); ++i) {
        values.push_back({kButtonLabelKeys[i], labels.texts()[i]});
    }
    return settings.writeStrings(section, values);
}

std::array<std::string, 3> colourTexts(Colour colour) {
    return {std::to_string(colour.red), std::to_string(colour.green), std::to_string(colour.blue)};
}

bool writeSkinChoice(IniFile& settings, const SkinChoice& choice) {
    const auto texts = colourTexts(choice.colour);
    return settings.writeStrings(kSkinsSection, {{kRedKey, texts[0]},
                                                 {kGreenKey, texts[1]},
                                                 {kBlueKey, texts[2]},
                                                 {kSkinPathKey, choice.skinName}});
}

std::uint8_t colourByte(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;  // what follows the digits does not matter
    if (error == std::errc::result_out_of_range)
        return 0xFF;
    if (error != std::errc())
        return 0;
    return static_cast<std::uint8_t>(std::min(value, 255U));
}

}  // namespace quorvel
