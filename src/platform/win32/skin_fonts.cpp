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

UniqueFont createSkinFont(const FontSpec& spec) {
    const std::wstring face = wideFromUtf8(spec.face);
    return UniqueFont(CreateFontW(spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, 0, 0, 0,
                                  0, kPitchAndFamily, face.c_str()));
}

SkinFonts::SkinFonts(const FontChoice& choice)
    : text_(createSkinFont(choice.text)), title_(createSkinFont(choice.title)) {}

SkinFonts SkinFonts::forLanguage(std::string_view languageCode) {
    return SkinFonts(chooseFonts(languageFromCode(languageCode), windowsVersion()));
}

}  // namespace quorvel::win32
