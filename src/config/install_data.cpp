#include "config/install_data.h"

#include "config/config_file.h"
#include "config/ini_file.h"
#include "config/record_texts.h"
#include "config/settings_file.h"

namespace quorvel {
namespace {

constexpr std::array<std::uint8_t, kStageCount> kStageIndexes = {1, 3, 5, 7};
constexpr std::array<Colour, kStageCount> kStageColours = {Colour{255, 0, 0}, Colour{0, 255, 0},
                                                           Colour{0, 0, 255}, Colour{255, 0, 255}};
constexpr std::uint8_t kStandardMiddle = 4;     // of 0..9
constexpr std::uint8_t kRespirationMiddle = 2;  // of 0..4
constexpr std::uint8_t kNeonMiddle = 14;        // of 0..29
constexpr std::uint8_t kNeonRgbFlash = 2;

// A fresh Windows, as the program reads it: precision on, 3 lines a notch, speed 10
// (position 10 / 2 + 1) and a 500 ms double-click ((900 - 500) / 70 + 1).
constexpr std::uint8_t kPrecisionOn = 1;
constexpr std::uint8_t kScreenPerNotchOff = 0;
constexpr std::uint8_t kSpeedPosition = 10 / 2 + 1;
constexpr std::uint8_t kScrollLines = 3;
constexpr std::uint8_t kDoubleClickPosition = (900 - 500) / 70 + 1;

constexpr std::string_view kDefaultSkin = "Default";
constexpr Colour kDefaultTextColour = {230, 230, 230};

struct LanguageLabels {
    std::string_view section;
    DefaultLabelNames names;
};
constexpr std::array<LanguageLabels, 3> kInstalledLabels = {{
    {kEnglishSection, kEnglishLabelNames},
    {kSimplifiedChineseSection, {{"左键", "右键", "中键", "前进方向键", "后退方向键"}, "按键关闭"}},
    {kTraditionalChineseSection,
     {{"左鍵", "右鍵", "中鍵", "前進方向鍵", "後退方向鍵"}, "按鍵關閉"}},
}};

}  // namespace

MouseConfig defaultInstallRecord() {
    MouseConfig config;
    applyDefaultAssignment(config);
    config.setReportRate(kFastestReportRate);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        const auto i = static_cast<std::size_t>(stage - 1);
        config.setDpiValueIndex(stage, kStageIndexes[i]);
        config.setStageEnabled(stage, true);
        config.setStageColour(stage, kStageColours[i]);
    }
    config.setLightingMode(static_cast<std::uint8_t>(LightingMode::Standard));
    config.setStandardParameter(kStandardMiddle);
    config.setRespirationParameter(kRespirationMiddle);
    config.setNeonParameter(kNeonMiddle);
    config.setNeonEffect(kNeonRgbFlash);
    config.setPointerSetting(pointer_settings::kPrecision, kPrecisionOn);
    config.setPointerSetting(pointer_settings::kScreenPerNotch, kScreenPerNotchOff);
    config.setPointerSetting(pointer_settings::kSpeedPosition, kSpeedPosition);
    config.setPointerSetting(pointer_settings::kScrollLinesPosition, kScrollLines);
    config.setPointerSetting(pointer_settings::kDoubleClickPosition, kDoubleClickPosition);
    config.setShownMode(Mode::A);
    return config;
}

std::vector<std::uint8_t> defaultConfigFileBytes() {
    return configFileBytes(defaultInstallRecord(), kFirstRunNotSaved);
}

std::vector<std::uint8_t> defaultSettingsFileBytes() {
    IniDocument doc;
    doc.setEncoding(TextEncoding::Utf16LeBom);
    const auto colour = colourTexts(kDefaultTextColour);
    doc.setValue(kSkinsSection, kLanguageKey, "");
    doc.setValue(kSkinsSection, kSkinPathKey, kDefaultSkin);
    doc.setValue(kSkinsSection, kRedKey, colour[0]);
    doc.setValue(kSkinsSection, kGreenKey, colour[1]);
    doc.setValue(kSkinsSection, kBlueKey, colour[2]);
    for (const LanguageLabels& language : kInstalledLabels) {
        const ButtonLabels labels = defaultButtonLabels(language.names);
        for (std::size_t i = 0; i < kButtonLabelKeys.size(); ++i) {
            doc.setValue(language.section, kButtonLabelKeys[i], labels.texts()[i]);
        }
    }
    return doc.serialize();
}

}  // namespace quorvel
