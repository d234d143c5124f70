// The text and title fonts of a skinned window, created once and kept for its lifetime.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/win32/unique_handle.h"
#include "ui/canvas.h"
#include "ui/font_choice.h"

namespace quorvel::win32 {

// Major and minor version as GetVersion reports them.
WindowsVersion windowsVersion();

// One font made with CreateFontW the way every skinned window makes its fonts.
UniqueFont createSkinFont(const FontSpec& spec);

class SkinFonts {
  public:
    SkinFonts() = default;
    explicit SkinFonts(const FontChoice& choice);
    // For the UI language code on this Windows version.
    static SkinFonts forLanguage(std::string_view languageCode);

    HFONT font(FontRole role) const { return role == FontRole::Title ? title_.get() : text_.get(); }

  private:
    UniqueFont text_;
    UniqueFont title_;
};

}  // namespace quorvel::win32
