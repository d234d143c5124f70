#include "ui/font_choice.h"

#include <array>

namespace quorvel {

namespace {

struct FontRow {
    std::string_view language;  // empty: every other language
    std::string_view textFace;
    int textHeight;
    std::string_view titleFace;
    int titleHeight;
};

constexpr std::string_view kSong = "宋体";
constexpr std::string_view kHei = "黑体";

constexpr std::array kFontRows = {
    FontRow{"CHS", kSong, 13, kSong, 18},
    FontRow{"CHT", kHei, 14, kHei, 18},
    FontRow{"", "Arial", 14, "Tahoma", 18},
};

const FontRow& rowFor(std::string_view language) {
    for (const FontRow& row : kFontRows) {
        if (row.language == language)
            return row;
    }
    return kFontRows.back();
}

}  // namespace

FontChoice chooseFonts(std::string_view language, WindowsVersion version) {
    const FontRow& row = rowFor(language);
    FontChoice choice{
        FontSpec{std::string(row.textFace), row.textHeight, kTextFontWeight},
        FontSpec{std::string(row.titleFace), row.titleHeight, kTitleFontWeight},
    };
    // That release reads as 6.2 exactly; there Simplified Chinese uses Hei for both fonts.
    if (language == "CHS" && version.major == 6 && version.minor == 2) {
        choice.text.face = kHei;
        choice.title.face = kHei;
    }
    return choice;
}

}  // namespace quorvel
