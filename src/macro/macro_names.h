// Macro names: how the list of sections becomes the list of macros, and the rules for
// adding a name in the editor.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ports/message_box.h"

namespace quorvel {

inline constexpr int kMaxMacros = 12;
inline constexpr std::size_t kMacroNameLimit = 31;     // characters kept of a name
inline constexpr std::size_t kSectionScanLimit = 255;  // characters of the name list scanned

// Characters are counted in UTF-16 code units, as the system's buffers count them.
// The name a section is listed and looked up by.
std::string listedMacroName(std::string_view sectionName);

// The macro names of a file's sections (file order): the names laid out one after another,
// each ended by a terminator, scanned up to kSectionScanLimit characters; a name whose
// terminator lies beyond the scan is not listed. Empty section names end the list, as
// an empty name reads as the list's end.
std::vector<std::string> scanMacroNames(std::span<const std::string> sectionNames);

// Names are matched as the INI layer matches sections: without regard to ASCII case or to
// the blanks around them (a name cut at its limit may end in blanks the file never keeps).
bool sameMacroName(std::string_view a, std::string_view b);

// The name as the editor would add it: control characters dropped, surrounding blanks
// trimmed (the INI layer would not keep them), cut to kMacroNameLimit characters.
std::string normalizedMacroName(std::string_view fieldText);

enum class NameRefusal {
    None,
    Blank,    // the name field is empty
    TooMany,  // the list already holds kMaxMacros names
    Exists,   // the list holds the name, ignoring case
};

struct NameCheck {
    NameRefusal refusal = NameRefusal::None;
    std::string name;  // the normalized name to append when accepted
};

// The rules for "New", in the order they apply.
NameCheck checkNewMacroName(std::string_view fieldText, std::span<const std::string> listed);

// The English text of a refusal (the first and last are shown localized) and its caption.
struct RefusalMessage {
    std::string_view text;
    std::string_view caption;
    bool localized = false;
};
RefusalMessage refusalMessage(NameRefusal refusal);

}  // namespace quorvel
