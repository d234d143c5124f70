#include "macro/macro_library.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "config/ini_file.h"
#include "config/text_encoding.h"
#include "macro/macro_item.h"
#include "macro/macro_names.h"

namespace quorvel {
namespace {

// The section a macro name stands for: the section of that name, else the first whose
// listed (cut) name is the cut name, so that a listed name always finds its section.
std::optional<std::size_t> findSection(const std::vector<std::string>& sections,
                                       std::string_view name) {
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sameMacroName(sections[i], name))
            return i;
    }
    const std::string wanted = listedMacroName(name);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sameMacroName(listedMacroName(sections[i]), wanted))
            return i;
    }
    return std::nullopt;
}

std::string readValue(const IniDocument& ini, std::string_view section, std::string_view key) {
    const auto value = ini.value(section, key);
    return value ? std::string(utf16Prefix(*value, kIniValueLimit)) : std::string();
}

std::vector<std::string> readItems(const IniDocument& ini, std::string_view section) {
    const std::int64_t claimed = leadingNumber(readValue(ini, section, kItemCountKey));
    const auto count = static_cast<std::size_t>(
        std::clamp<std::int64_t>(claimed, 0, static_cast<std::int64_t>(kMaxMacroItems)));
    std::vector<std::string> keys;
    keys.reserve(count);
    for (std::size_t j = 0; j < count; ++j) {
        keys.push_back(itemKey(j));
    }
    std::vector<std::string> items;
    items.reserve(count);
    for (const auto& value : ini.values(section, keys)) {
        items.push_back(value ? std::string(utf16Prefix(*value, kIniValueLimit)) : std::string());
    }
    return items;
}

// A value is one line of the file: a line break in it would start a new key or section.
std::string_view singleLine(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

int positionOf(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (sameMacroName(names[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

std::size_t slotsUsed(const std::vector<std::string>& names) {
    return std::min(names.size(), static_cast<std::size_t>(kMacroSlotCount));
}

}  // namespace

std::string itemKey(std::size_t index) {
    return "Item" + std::to_string(index);
}

bool MacroTableReport::everythingFits() const {
    return macrosLeftOut == 0 && std::all_of(slots.begin(), slots.end(), [](const auto& slot) {
               return slot.block.complete();
           });
}

struct MacroLibrary::Document {
    bool existed = false;
    bool readable = false;
    IniDocument ini;
    bool usable() const { return existed && readable; }
};

MacroLibrary::MacroLibrary(FilesPort& files, std::string recordPath, MouseConfig& config,
                           KeyCodeLookup keyCode)
    : files_(files), path_(std::move(recordPath)), config_(config), keyCode_(keyCode) {}

// One read of the file per operation: the conversion touches every value of every macro.
MacroLibrary::Document MacroLibrary::load() const {
    Document document;
    document.existed = files_.exists(path_);
    if (!document.existed)
        return document;
    auto bytes = files_.read(path_);
    if (!bytes)
        return document;
    document.readable = true;
    document.ini = IniDocument::parse(*bytes);
    return document;
}

bool MacroLibrary::exists() const {
    return files_.exists(path_);
}

std::vector<std::string> MacroLibrary::sectionNames() const {
    const Document document = load();
    if (!document.usable())
        return {};
    return scanMacroNames(document.ini.sectionNames());
}

std::vector<std::string> MacroLibrary::readMacro(std::string_view name) const {
    const Document document = load();
    if (!document.usable())
        return {};
    const std::vector<std::string> sections = document.ini.sectionNames();
    const auto at = findSection(sections, name);
    return at ? readItems(document.ini, sections[*at]) : std::vector<std::string>();
}

MacroSaveResult MacroLibrary::writeMacro(std::string_view rawName,
                                         std::span<const std::string> items) {
    MacroSaveResult result;
    const std::string name = listedMacroName(rawName);
    if (normalizedMacroName(name).empty()) {
        result.status = MacroFileStatus::BadName;
        return result;
    }
    Document document = load();
    if (document.existed && !document.readable) {
        result.status = MacroFileStatus::Unreadable;
        return result;
    }

    // Loop counts sit in the blocks by slot; remember whose they are before slots shift.
    const std::vector<std::string> before = scanMacroNames(document.ini.sectionNames());
    std::vector<std::pair<std::string, int>> loops;
    for (std::size_t t = 0; t < slotsUsed(before); ++t) {
        loops.emplace_back(before[t], loopCount(static_cast<int>(t)));
    }

    const std::vector<std::string> sections = document.ini.sectionNames();
    if (const auto at = findSection(sections, name)) {
        document.ini.deleteSection(sections[*at]);
    }
    document.ini.setValue(name, kItemCountKey, std::to_string(items.size()));
    for (std::size_t j = 0; j < items.size(); ++j) {
        document.ini.setValue(name, itemKey(j), singleLine(items[j]));
    }
    if (files_.replace(path_, document.ini.serialize())) {
        result.status = MacroFileStatus::WriteFailed;
        result.table = rebuildMacroTable();  // the table follows the file as it stayed
        return result;
    }
    document.existed = true;
    document.readable = true;

    const std::vector<std::string> after = scanMacroNames(document.ini.sectionNames());
    for (std::size_t t = 0; t < slotsUsed(after); ++t) {
        const auto owner = std::find_if(loops.begin(), loops.end(), [&](const auto& loop) {
            return sameMacroName(loop.first, after[t]);
        });
        if (owner != loops.end()) {
            setLoopCountOf(config_.macroBlock(static_cast<int>(t)), owner->second);
        }
    }
    result.table = rebuildFrom(document);
    const int position = positionOf(after, name);
    result.slot = position < kMacroSlotCount ? position : -1;
    return result;
}

MacroFileStatus MacroLibrary::deleteMacro(std::string_view name) {
    Document document = load();
    if (!document.existed)
        return MacroFileStatus::Ok;
    if (!document.readable)
        return MacroFileStatus::Unreadable;
    const std::vector<std::string> sections = document.ini.sectionNames();
    const auto at = findSection(sections, name);
    if (!at)
        return MacroFileStatus::Ok;  // never saved: nothing in the file to remove
    document.ini.deleteSection(sections[*at]);
    return files_.replace(path_, document.ini.serialize()) ? MacroFileStatus::WriteFailed
                                                           : MacroFileStatus::Ok;
}

MacroTableReport MacroLibrary::rebuildMacroTable() {
    return rebuildFrom(load());
}

MacroTableReport MacroLibrary::rebuildFrom(const Document& document) {
    MacroTableReport report;
    if (!document.usable())
        return report;
    report.ran = true;
    const std::vector<std::string> sections = document.ini.sectionNames();
    const std::vector<std::string> names = scanMacroNames(sections);
    const std::size_t used = slotsUsed(names);
    report.macrosLeftOut = names.size() - used;
    // The scan lists sections in order without skipping any, so name t is section t.
    for (std::size_t t = 0; t < used; ++t) {
        const std::vector<std::string> items = readItems(document.ini, sections[t]);
        SlotConversion slot;
        slot.name = names[t];
        slot.block = encodeMacroBlock(items, config_.macroBlock(static_cast<int>(t)), keyCode_);
        report.slots.push_back(std::move(slot));
    }
    return report;
}

LoopCountResult MacroLibrary::setLoopCount(int slot, std::string_view fieldText) {
    LoopCountResult result;
    const std::int64_t number = leadingNumber(fieldText);
    if (number < kMinLoopCount || number > kMaxLoopCount) {
        result.fieldReset = true;
    } else {
        result.count = static_cast<int>(number);
    }
    if (slot >= 0 && slot < kMacroSlotCount) {
        setLoopCountOf(config_.macroBlock(slot), result.count);
    }
    return result;
}

int MacroLibrary::loopCount(int slot) const {
    return loopCountOf(config_.macroBlock(slot));
}

}  // namespace quorvel
