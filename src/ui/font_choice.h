// The two fonts of a skinned window, chosen by UI language and Windows version.
#pragma once

#include <string>
#include <string_view>

#include "config/language.h"

namespace quorvel {

struct WindowsVersion {
    int major = 0;
    int minor = 0;
};

struct FontSpec {
    std::string face;  // UTF-8
    int height = 0;
    int weight = 0;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontChoice {
    FontSpec text;   // labels, captions, values
    FontSpec title;  // page titles
};

inline constexpr int kTextFontWeight = 400;
inline constexpr int kTitleFontWeight = 700;

// Windows 6.2 exactly swaps the Simplified Chinese face.
FontChoice chooseFonts(Language language, WindowsVersion version);

// The dialogs' single font: the text font of the same rule.
inline FontSpec chooseTextFont(Language language, WindowsVersion version) {
    return chooseFonts(language, version).text;
}

}  // namespace quorvel
