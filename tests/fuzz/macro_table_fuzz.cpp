// record.ini as any bytes: the macro table rebuilt from it, and a save through the editor's
// path, with what each must leave of the record and of the file.
#include <algorithm>

#include "config/mouse_config.h"
#include "config/text_encoding.h"
#include "fuzz/fuzz_check.h"
#include "keys/key_code_tables.h"
#include "macro/macro_item.h"
#include "macro/macro_library.h"
#include "macro/macro_names.h"
#include "support/byte_source.h"
#include "support/fake_files.h"

namespace {

using namespace quorvel;
using quorvel::testing::ByteSource;

constexpr std::string_view kPath = "record.ini";
constexpr std::size_t kMaxSavedItems = 80;

MouseConfig patternedRecord() {
    MouseConfig config;
    for (std::size_t i = 0; i < record::kSize; ++i)
        config.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return config;
}

bool outsideMacroTableEqual(const MouseConfig& a, const MouseConfig& b) {
    for (std::size_t i = 0; i < record::kSize; ++i) {
        const bool inTable =
            i >= record::kMacroTable && i < record::kMacroTable + record::kMacroTableSize;
        if (!inTable && a.bytes()[i] != b.bytes()[i])
            return false;
    }
    return true;
}

void checkRebuild(const MacroTableReport& report, const MouseConfig& before,
                  const MouseConfig& after, std::size_t listed) {
    FUZZ_REQUIRE(report.ran);
    FUZZ_REQUIRE(outsideMacroTableEqual(before, after));
    FUZZ_REQUIRE(report.slots.size() <= static_cast<std::size_t>(kMacroSlotCount));
    FUZZ_REQUIRE(report.slots.size() + report.macrosLeftOut == listed);
    for (std::size_t t = 0; t < report.slots.size(); ++t) {
        const BlockConversion& c = report.slots[t].block;
        const auto block = after.macroBlock(static_cast<int>(t));
        FUZZ_REQUIRE(c.eventsWritten <= c.eventCount && c.eventCount <= c.itemCount);
        FUZZ_REQUIRE(c.itemsConverted <= c.itemCount && c.unknownKeys <= c.eventsWritten);
        FUZZ_REQUIRE(c.eventBytesUsed <= macro_block::kEventBytes);
        FUZZ_REQUIRE(std::all_of(
            block.begin() + static_cast<std::ptrdiff_t>(macro_block::kEvents + c.eventBytesUsed),
            block.end(), [](std::uint8_t b) { return b == 0; }));
        if (c.itemCount != 0)
            FUZZ_REQUIRE(loopCountOf(block) == loopCountOf(before.macroBlock(static_cast<int>(t))));
    }
    for (int slot = static_cast<int>(report.slots.size()); slot < kMacroSlotCount; ++slot) {
        const auto was = before.macroBlock(slot);
        const auto now = after.macroBlock(slot);
        FUZZ_REQUIRE(std::equal(was.begin(), was.end(), now.begin()));
    }
}

// Items as the editor makes them, which must read back exactly.
std::vector<std::string> editorItems(ByteSource& source) {
    std::vector<std::string> items;
    const std::size_t count = source.below(kMaxSavedItems);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view key = kKeyNameTable[source.below(kKeyNameTable.size())].name;
        switch (source.below(3)) {
            case 0:
                items.push_back(pressItem(key));
                break;
            case 1:
                items.push_back(releaseItem(key));
                break;
            default:
                items.push_back(delayItem(static_cast<int>(source.word())));
                break;
        }
    }
    return items;
}

bool namesUnique(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j)
            if (sameMacroName(names[i], names[j]))
                return false;
    return true;
}

void saveThroughEditor(ByteSource& source, quorvel::testing::FakeFiles& files,
                       MacroLibrary& library, MouseConfig& config) {
    const std::vector<std::string> listed = library.sectionNames();
    std::string name = normalizedMacroName(source.shortString());
    if (!listed.empty() && source.flag())
        name = listed[source.below(listed.size())];
    // A listed name of blanks or control characters is refused as the editor refuses it.
    if (normalizedMacroName(name).empty()) {
        FUZZ_REQUIRE(library.writeMacro(name, {}).status == MacroFileStatus::BadName);
        return;
    }
    if (!isValidUtf8({reinterpret_cast<const std::uint8_t*>(name.data()), name.size()}))
        return;
    const std::vector<std::string> items = editorItems(source);

    std::vector<int> loops;
    for (std::size_t t = 0; t < std::min<std::size_t>(listed.size(), kMacroSlotCount); ++t)
        loops.push_back(library.loopCount(static_cast<int>(t)));
    const MouseConfig before = config;

    const MacroSaveResult saved = library.writeMacro(name, items);
    FUZZ_REQUIRE(saved.status == MacroFileStatus::Ok);
    FUZZ_REQUIRE(library.readMacro(name) == items);
    const std::vector<std::string> after = library.sectionNames();
    FUZZ_REQUIRE(outsideMacroTableEqual(before, config));
    if (saved.slot >= 0) {
        FUZZ_REQUIRE(saved.slot < kMacroSlotCount);
        FUZZ_REQUIRE(sameMacroName(after[static_cast<std::size_t>(saved.slot)], name));
    }
    // Every other macro keeps its loop count wherever its slot moved.
    if (namesUnique(listed) && namesUnique(after)) {
        for (std::size_t t = 0; t < loops.size(); ++t) {
            if (sameMacroName(listed[t], name))
                continue;
            const auto moved = std::find_if(after.begin(), after.end(), [&](const auto& n) {
                return sameMacroName(n, listed[t]);
            });
            const auto slot = moved - after.begin();
            if (moved != after.end() && slot < kMacroSlotCount)
                FUZZ_REQUIRE(library.loopCount(static_cast<int>(slot)) == loops[t]);
        }
    }
    (void)files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteSource source(data, size);
    const std::vector<std::uint8_t> file = source.bytes(source.word());
    quorvel::testing::FakeFiles files;
    files.files[std::string(kPath)] = file;

    MouseConfig config = patternedRecord();
    MacroLibrary library(files, std::string(kPath), config);
    const MouseConfig before = config;
    const std::size_t listed = library.sectionNames().size();
    const MacroTableReport report = library.rebuildMacroTable();
    checkRebuild(report, before, config, listed);

    // A second rebuild of the same file changes nothing.
    const MouseConfig once = config;
    (void)library.rebuildMacroTable();
    FUZZ_REQUIRE(config == once);

    if (!source.exhausted())
        saveThroughEditor(source, files, library, config);
    if (!source.exhausted()) {
        const std::vector<std::string> names = library.sectionNames();
        if (!names.empty()) {
            const std::string victim = names[source.below(names.size())];
            FUZZ_REQUIRE(library.deleteMacro(victim) == MacroFileStatus::Ok);
        }
    }
    return 0;
}
