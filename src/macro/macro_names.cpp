#include "macro/macro_names.h"

#include <iterator>

#include "config/ini_file.h"
#include "config/text_encoding.h"

namespace quorvel {
namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::string listedMacroName(std::string_view sectionName) {
    return std::string(utf16Prefix(sectionName, kMacroNameLimit));
}

std::vector<std::string> scanMacroNames(std::span<const std::string> sectionNames) {
    std::vector<std::string> names;
    std::size_t position = 0;  // where the next name starts in the laid-out list
    for (const std::string& section : sectionNames) {
        const std::size_t length = utf16Length(section);
        if (length == 0)
            break;
        const std::size_t terminator = position + length;
        if (terminator >= kSectionScanLimit)
            break;
        names.push_back(listedMacroName(section));
        position = terminator + 1;
    }
    return names;
}

bool sameMacroName(std::string_view a, std::string_view b) {
    a = trimIniBlanks(a);
    b = trimIniBlanks(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

std::string normalizedMacroName(std::string_view fieldText) {
    std::string kept;
    for (char c : fieldText) {
        if (!isControl(c))
            kept.push_back(c);
    }
    std::string_view name = kept;
    while (!name.empty() && isBlank(name.front()))
        name.remove_prefix(1);
    // Trimmed after the cut too: a blank left at the end would be dropped by the INI layer,
    // and the name would no longer find its own section.
    name = utf16Prefix(name, kMacroNameLimit);
    while (!name.empty() && isBlank(name.back()))
        name.remove_suffix(1);
    return std::string(name);
}

NameCheck checkNewMacroName(std::string_view fieldText, std::span<const std::string> listed) {
    NameCheck check;
    check.name = normalizedMacroName(fieldText);
    if (check.name.empty()) {
        check.refusal = NameRefusal::Blank;
    } else if (listed.size() >= static_cast<std::size_t>(kMaxMacros)) {
        check.refusal = NameRefusal::TooMany;
    } else {
        for (const std::string& existing : listed) {
            if (sameMacroName(existing, check.name)) {
                check.refusal = NameRefusal::Exists;
                break;
            }
        }
    }
    if (check.refusal != NameRefusal::None)
        check.name.clear();
    return check;
}

RefusalMessage refusalMessage(NameRefusal refusal) {
    static constexpr RefusalMessage kMessages[] = {
        {},
        {"Macro name is blank", kAppTitle, true},
        {"Macro numbers up to 12.", kWarningCaption, false},
        {"Macro name already exists", kAppTitle, true},
    };
    const auto index = static_cast<std::size_t>(refusal);
    return index < std::size(kMessages) ? kMessages[index] : RefusalMessage{};
}

}  // namespace quorvel
