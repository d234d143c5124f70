// str.ini: language code, skin, text colour and the sixteen button labels per language.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "config/ini_file.h"
#include "config/language.h"
#include "config/mouse_config.h"

namespace quorvel {

inline constexpr std::string_view kSkinsSection = "Skins";
inline constexpr std::string_view kLanguageKey = "Lan";
inline constexpr std::string_view kSkinPathKey = "Path";
inline constexpr std::string_view kRedKey = "RColor";
inline constexpr std::string_view kGreenKey = "GColor";
inline constexpr std::string_view kBlueKey = "BColor";

inline constexpr int kButtonLabelCount = 2 * kButtonCount;

// Label keys in stored order: "Mode A" buttons 0..7, then "Mode B" buttons 0..7.
inline constexpr std::array<std::string_view, kButtonLabelCount> kButtonLabelKeys = {
    "Item1",  "Item2",  "Item3",  "Item4",  "Item5",  "Item6",  "Item7",  "Item8",
    "Item13", "Item23", "Item33", "Item43", "Item53", "Item63", "Item73", "Item83",
};

// The sixteen labels, in the order of kButtonLabelKeys. Out-of-range buttons read as
// empty and are not written.
class ButtonLabels {
  public:
    const std::string& label(Mode mode, int button) const;
    void setLabel(Mode mode, int button, std::string text);
    std::array<std::string, kButtonLabelCount>& texts() { return texts_; }
    const std::array<std::string, kButtonLabelCount>& texts() const { return texts_; }
    friend bool operator==(const ButtonLabels&, const ButtonLabels&) = default;

  private:
    std::array<std::string, kButtonLabelCount> texts_;
};

// The names the default labels take, in the current language. "DPI Loop" is not
// translated and so is not among them.
struct DefaultLabelNames {
    std::array<std::string_view, 5> firstFunctions;  // functions 0 to 4
    std::string_view keyOff;
};
inline constexpr DefaultLabelNames kEnglishLabelNames = {
    {"Left Click", "Right Click", "Mid Click", "Forward", "Backward"}, "Key Off"};

ButtonLabels defaultButtonLabels(const DefaultLabelNames& names = kEnglishLabelNames);

// The texts read at start-up. Missing keys are empty texts.
struct SettingsTexts {
    ButtonLabels labels;
    std::string red;
    std::string green;
    std::string blue;
    std::string skinName;
};

std::string readLanguageCode(const IniFile& settings);

SettingsTexts readSettings(const IniFile& settings, std::string_view languageSection);
// All sixteen in one replace of the file; true when they reached it.
bool writeButtonLabels(IniFile& settings, std::string_view languageSection,
                       const ButtonLabels& labels);

// The skin chooser's result: colour as decimal texts, then the skin name.
struct SkinChoice {
    Colour colour;
    std::string skinName;
};
std::array<std::string, 3> colourTexts(Colour colour);
bool writeSkinChoice(IniFile& settings, const SkinChoice& choice);

// "RColor" etc. as one byte: the leading decimal digits, capped at 255; empty or junk
// (a sign or blank in front included) is 0.
std::uint8_t colourByte(std::string_view text);

}  // namespace quorvel
