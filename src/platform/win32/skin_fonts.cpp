#include "platform/win32/skin_fonts.h"

#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

namespace {
constexpr DWORD kPitchAndFamily = 0x20;  // FF_SWISS, default pitch
}

WindowsVersion windowsVersion() {
    const DWORD version = GetVersion();
    return WindowsVersion{LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version))};
}

HFONT createSkinFont(const FontSpec& spec) {
    const std::wstring face = wideFromUtf8(spec.face);
    return CreateFontW(spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, 0, 0, 0, 0,
                       kPitchAndFamily, face.c_str());
}

SkinFonts::SkinFonts(const FontChoice& choice)
    : text_(createSkinFont(choice.text)), title_(createSkinFont(choice.title)) {}

SkinFonts SkinFonts::forLanguage(std::string_view language) {
    return SkinFonts(chooseFonts(language, windowsVersion()));
}

SkinFonts& SkinFonts::operator=(SkinFonts&& other) noexcept {
    if (this != &other) {
        reset();
        text_ = other.text_;
        title_ = other.title_;
        other.text_ = nullptr;
        other.title_ = nullptr;
    }
    return *this;
}

void SkinFonts::reset() {
    if (text_ != nullptr)
        DeleteObject(text_);
    if (title_ != nullptr)
        DeleteObject(title_);
    text_ = nullptr;
    title_ = nullptr;
}

}  // namespace quorvel::win32
