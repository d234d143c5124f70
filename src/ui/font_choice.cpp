#include "ui/font_choice.h"

#include <array>

namespace quorvel {

namespace {

// One row a language, in the order of Language.
struct FontRow {
    std::string_view textFace;
    int textHeight;
    std::string_view titleFace;
    int titleHeight;
};

constexpr std::string_view kSong = "宋体";
constexpr std::string_view kHei = "黑体";

constexpr std::array kFontRows = {
    FontRow{"Arial", 14, "Tahoma", 18},
    FontRow{kSong, 13, kSong, 18},
    FontRow{kHei, 14, kHei, 18},
};

}  // namespace

FontChoice chooseFonts(Language language, WindowsVersion version) {
    const FontRow& row = kFontRows[static_cast<std::size_t>(language)];
    FontChoice choice{
        FontSpec{std::string(row.textFace), row.textHeight, kTextFontWeight},
        FontSpec{std::string(row.titleFace), row.titleHeight, kTitleFontWeight},
    };
    // That release reads as 6.2 exactly; there Simplified Chinese uses Hei for both fonts.
    if (language == Language::SimplifiedChinese && version.major == 6 && version.minor == 2) {
        choice.text.face = kHei;
        choice.title.face = kHei;
    }
    return choice;
}

}  // namespace quorvel
