// The text and title fonts of a skinned window, created once and kept for its lifetime.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/canvas.h"
#include "ui/font_choice.h"

namespace quorvel::win32 {

// Major and minor version as GetVersion reports them.
WindowsVersion windowsVersion();

// One font made with CreateFontW the way every skinned window makes its fonts.
HFONT createSkinFont(const FontSpec& spec);

class SkinFonts {
  public:
    SkinFonts() = default;
    explicit SkinFonts(const FontChoice& choice);
    // For the UI language code on this Windows version.
    static SkinFonts forLanguage(std::string_view language);
    ~SkinFonts() { reset(); }
    SkinFonts(SkinFonts&& other) noexcept { *this = std::move(other); }
    SkinFonts& operator=(SkinFonts&& other) noexcept;
    SkinFonts(const SkinFonts&) = delete;
    SkinFonts& operator=(const SkinFonts&) = delete;

    HFONT font(FontRole role) const { return role == FontRole::Title ? title_ : text_; }

  private:
    void reset();
    HFONT text_ = nullptr;
    HFONT title_ = nullptr;
};

}  // namespace quorvel::win32
