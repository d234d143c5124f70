#include "cli/macro_report.h"

#include <cctype>

#include "cli/config_io.h"
#include "keys/key_code_tables.h"
#include "macro/macro_item.h"
#include "macro/macro_library.h"
#include "profile/key_words.h"

namespace quorvel::cli {
namespace {

// "<digits> ms", blanks allowed around the number: what the editor's delay field writes.
bool isWellFormedDelay(std::string_view item) {
    if (!isDelayItem(item))
        return false;
    const std::string number = withoutAll(item, kDelaySuffix);
    bool digits = false;
    for (char c : number) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            digits = true;
        } else if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return digits;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::vector<std::string> macroItemFindings(const std::string& name,
                                           const std::vector<std::string>& items) {
    std::vector<std::string> findings;
    const std::string macro = "macro " + quoted(name);
    // Empty items at the end are ones ItemCount promises and the section lacks.
    std::size_t present = items.size();
    while (present > 0 && items[present - 1].empty())
        --present;
    for (std::size_t i = 0; i < present; ++i) {
        const std::string at = macro + ", " + itemKey(i) + ": ";
        const std::string& item = items[i];
        if (const auto event = parseEventItem(item)) {
            if (keyCodeFromName(event->keyName) == 0)
                findings.push_back(at + quoted(event->keyName) +
                                   " is no key name; the event is sent as code 0" +
                                   keySuggestion(event->keyName));
        } else if (item.empty()) {
            findings.push_back(at + "missing or empty; it is left out");
        } else if (!isWellFormedDelay(item)) {
            findings.push_back(at + quoted(item) +
                               " is neither an event (\"KEY   Dn\", \"KEY   Up\") nor a delay "
                               "(\"N ms\"); it is left out");
        }
    }
    if (present < items.size()) {
        findings.push_back(
            macro + ": " + std::string(kItemCountKey) + " is " + std::to_string(items.size()) +
            ", but " + itemKey(present) +
            (present + 1 < items.size() ? " to " + itemKey(items.size() - 1) : std::string()) +
            " are missing");
    }
    return findings;
}

bool convertMacros(const Context& context, const std::string& path, MouseConfig& config) {
    std::string error;
    if (!readUserFile(context.platform.files, path, error)) {
        context.fail(error);
        return false;
    }
    MacroLibrary library(context.platform.files, path, config);
    const MacroTableReport report = library.rebuildMacroTable();
    if (!report.ran) {
        context.fail(unreadableFileText(path));
        return false;
    }
    for (std::size_t slot = 0; slot < report.slots.size(); ++slot) {
        const auto& s = report.slots[slot];
        for (const auto& finding : macroItemFindings(s.name, library.readMacro(s.name)))
            context.warn(path + ": " + finding);
        if (!s.block.complete()) {
            context.warn("macro \"" + s.name + "\" (slot " + std::to_string(slot + 1) +
                         ") does not fit its block: " + std::to_string(s.block.eventsWritten) +
                         " of " + std::to_string(s.block.eventCount) + " events are sent");
        }
    }
    if (report.macrosLeftOut != 0) {
        context.warn(std::to_string(report.macrosLeftOut) + " macro(s) beyond the " +
                     std::to_string(kMacroSlotCount) + " slots are left out");
    }
    return true;
}

}  // namespace quorvel::cli
