#include "config/language.h"

#include <array>

namespace quorvel {
namespace {

struct CodeEntry {
    std::string_view code;
    Language language;
};
constexpr std::array<CodeEntry, 2> kCodes = {{
    {"CHS", Language::SimplifiedChinese},
    {"CHT", Language::TraditionalChinese},
}};

constexpr std::array<std::string_view, 3> kSections = {kEnglishSection, kSimplifiedChineseSection,
                                                       kTraditionalChineseSection};

}  // namespace

Language languageFromCode(std::string_view code) {
    for (const CodeEntry& entry : kCodes) {
        if (entry.code == code)
            return entry.language;
    }
    return Language::English;
}

std::string_view settingsSectionFor(Language language) {
    return kSections[static_cast<std::size_t>(language)];
}

}  // namespace quorvel
