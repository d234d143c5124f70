// The UI language as str.ini's "Lan" code names it, and the section of its button labels.
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvel {

enum class Language : std::uint8_t { English, SimplifiedChinese, TraditionalChinese };

inline constexpr std::string_view kEnglishSection = "Setting-EN";
inline constexpr std::string_view kSimplifiedChineseSection = "Setting-CHS";
inline constexpr std::string_view kTraditionalChineseSection = "Setting-CHT";

// The code is compared exactly: "CHS" and "CHT" only; anything else (lower case, blanks,
// empty) is English.
Language languageFromCode(std::string_view code);
// The str.ini section that keeps this language's button labels.
std::string_view settingsSectionFor(Language language);

}  // namespace quorvel
