#include "macro/macro_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ini_file.h"
#include "macro/macro_names.h"
#include "support/fake_files.h"

namespace quorvel {
namespace {

using testing::FakeFiles;
using Items = std::vector<std::string>;

constexpr const char* kPath = "C:\\Program Files\\QuorvelMouse\\record.ini";

const Items kCopy = {"Ctrl   Dn", "50 ms", "C   Dn", "50 ms", "C   Up", "50 ms", "Ctrl   Up"};

std::string section(const std::string& name, const Items& items) {
    std::string text;
    text.append("[").append(name).append("]\r\nItemCount=");
    text.append(std::to_string(items.size())).append("\r\n");
    for (std::size_t j = 0; j < items.size(); ++j) {
        text.append("Item").append(std::to_string(j)).append("=").append(items[j]).append("\r\n");
    }
    return text;
}

std::vector<std::uint8_t> blockBytes(const MouseConfig& config, int slot, std::size_t count) {
    const auto block = config.macroBlock(slot);
    return {block.begin(), block.begin() + static_cast<std::ptrdiff_t>(count)};
}

class MacroLibraryTest : public ::testing::Test {
  protected:
    FakeFiles files;
    MouseConfig config;
    MacroLibrary library{files, kPath, config};
    IniFile ini{files, kPath};  // an independent reader of what the library wrote
};

TEST_F(MacroLibraryTest, CopyMacroBecomesTheDocumentedBlock) {
    files.put(kPath, section("Copy", kCopy));
    library.setLoopCount(0, "1");
    const MacroTableReport report = library.rebuildMacroTable();
    ASSERT_TRUE(report.ran);
    ASSERT_EQ(report.slots.size(), 1u);
    EXPECT_EQ(report.slots[0].name, "Copy");
    EXPECT_TRUE(report.everythingFits());
    EXPECT_EQ(blockBytes(config, 0, 12),
              (std::vector<std::uint8_t>{0x00, 0x01, 0x05, 0xE0, 0x05, 0x06, 0x85, 0x06, 0x80, 0xE0,
                                         0x00, 0x00}));
    EXPECT_EQ(library.readMacro("copy"), kCopy);
}

TEST_F(MacroLibraryTest, MissingFileListsNothingAndChangesNothing) {
    config.macroBlock(0)[5] = 0x42;
    const MouseConfig before = config;
    EXPECT_TRUE(library.sectionNames().empty());
    EXPECT_TRUE(library.readMacro("Copy").empty());
    EXPECT_FALSE(library.rebuildMacroTable().ran);
    EXPECT_EQ(library.deleteMacro("Copy"), MacroFileStatus::Ok);
    EXPECT_EQ(config, before);
    EXPECT_TRUE(files.files.empty());
}

TEST_F(MacroLibraryTest, SavingWritesCountAndItemsIntoANewFile) {
    const MacroSaveResult saved = library.writeMacro("Copy", kCopy);
    ASSERT_EQ(saved.status, MacroFileStatus::Ok);
    EXPECT_EQ(saved.slot, 0);
    EXPECT_EQ(ini.readString("Copy", "ItemCount"), "7");
    EXPECT_EQ(ini.readString("Copy", "Item0"), "Ctrl   Dn");
    EXPECT_EQ(ini.readString("Copy", "Item6"), "Ctrl   Up");
    EXPECT_EQ(files.replaces, 1);  // one atomic replace for the whole macro
    EXPECT_EQ(blockBytes(config, 0, 4), (std::vector<std::uint8_t>{0, 0, 0x05, 0xE0}));
}

TEST_F(MacroLibraryTest, SavingTheFirstOfThreeMovesItToTheLastSlot) {
    files.put(kPath, section("A", {"A   Dn", "10 ms"}) + section("B", {"B   Dn", "20 ms"}) +
                         section("C", {"C   Dn", "30 ms"}));
    library.rebuildMacroTable();
    library.setLoopCount(0, "5");
    library.setLoopCount(1, "6");
    library.setLoopCount(2, "7");

    const MacroSaveResult saved = library.writeMacro("A", Items{"A   Up", "40 ms"});
    ASSERT_EQ(saved.status, MacroFileStatus::Ok);
    EXPECT_EQ(saved.slot, 2);
    EXPECT_EQ(library.sectionNames(), (Items{"B", "C", "A"}));
    EXPECT_EQ(ini.sectionNames(), (Items{"B", "C", "A"}));
    // Events follow the file order and each loop count stays with its macro.
    EXPECT_EQ(blockBytes(config, 0, 4), (std::vector<std::uint8_t>{0, 6, 0x02, 0x05}));
    EXPECT_EQ(blockBytes(config, 1, 4), (std::vector<std::uint8_t>{0, 7, 0x03, 0x06}));
    EXPECT_EQ(blockBytes(config, 2, 4), (std::vector<std::uint8_t>{0, 5, 0x84, 0x04}));
}

TEST_F(MacroLibraryTest, EmptyMacroZeroesItsWholeBlock) {
    files.put(kPath, section("E", {"A   Dn"}));
    library.setLoopCount(0, "9");
    library.rebuildMacroTable();
    ASSERT_EQ(library.loopCount(0), 9);
    library.writeMacro("E", Items{});
    EXPECT_EQ(ini.readString("E", "ItemCount"), "0");
    for (auto byte : config.macroBlock(0))
        EXPECT_EQ(byte, 0);
}

TEST_F(MacroLibraryTest, DeletingRemovesTheSectionAndKeepsTheTable) {
    files.put(kPath, section("A", {"A   Dn"}) + section("B", {"B   Dn"}));
    library.rebuildMacroTable();
    const MouseConfig built = config;
    EXPECT_EQ(library.deleteMacro("a"), MacroFileStatus::Ok);
    EXPECT_EQ(library.sectionNames(), (Items{"B"}));
    EXPECT_EQ(config, built);

    const int replaces = files.replaces;
    EXPECT_EQ(library.deleteMacro("Never saved"), MacroFileStatus::Ok);
    EXPECT_EQ(files.replaces, replaces);
}

TEST_F(MacroLibraryTest, AnUnreadableFileIsNeverOverwritten) {
    files.put(kPath, section("A", {"A   Dn"}));
    files.unreadable.insert(kPath);
    const auto before = files.files;
    EXPECT_EQ(library.writeMacro("B", kCopy).status, MacroFileStatus::Unreadable);
    EXPECT_EQ(library.deleteMacro("A"), MacroFileStatus::Unreadable);
    EXPECT_FALSE(library.rebuildMacroTable().ran);
    EXPECT_EQ(files.replaces, 0);
    EXPECT_EQ(files.files, before);
}

TEST_F(MacroLibraryTest, AFailedSaveIsReportedAndTheFileKept) {
    files.put(kPath, section("A", {"A   Dn", "10 ms"}) + section("B", {"B   Dn"}));
    const auto before = files.files;
    files.failReplaceWith = 28;
    const MacroSaveResult saved = library.writeMacro("A", kCopy);
    EXPECT_EQ(saved.status, MacroFileStatus::WriteFailed);
    EXPECT_EQ(files.files, before);
    // The table shows the file as it stayed.
    EXPECT_EQ(blockBytes(config, 0, 4), (std::vector<std::uint8_t>{0, 0, 0x01, 0x04}));
    EXPECT_EQ(library.deleteMacro("B"), MacroFileStatus::WriteFailed);
}

TEST_F(MacroLibraryTest, BadCountsAndMissingItems) {
    files.put(kPath,
              "[Short]\r\nItemCount=3 items\r\nItem0=A   Dn\r\n"
              "[Junk]\r\nItemCount=many\r\nItem0=A   Dn\r\n"
              "[Huge]\r\nItemCount=4000000000\r\nItem0=A   Dn\r\n");
    EXPECT_EQ(library.readMacro("Short"), (Items{"A   Dn", "", ""}));
    EXPECT_TRUE(library.readMacro("Junk").empty());
    EXPECT_EQ(library.readMacro("Huge").size(), kMaxMacroItems);
    config.macroBlock(1)[0] = 0x77;
    library.rebuildMacroTable();
    EXPECT_EQ(blockBytes(config, 0, 4), (std::vector<std::uint8_t>{0, 0, 0x00, 0x04}));
    EXPECT_EQ(config.macroBlock(1)[0], 0);  // a count of 0 clears the block
}

TEST_F(MacroLibraryTest, MoreThanTwelveMacrosFillOnlyTheTable) {
    std::string text;
    for (int i = 0; i < 14; ++i)
        text += section(std::string("M").append(std::to_string(i)), {"A   Dn", "10 ms"});
    files.put(kPath, text);
    for (auto& byte : config.bytes())
        byte = 0xCD;
    const MouseConfig before = config;
    const MacroTableReport report = library.rebuildMacroTable();
    EXPECT_EQ(report.slots.size(), 12u);
    EXPECT_EQ(report.macrosLeftOut, 2u);
    EXPECT_FALSE(report.everythingFits());
    for (std::size_t i = 0; i < record::kSize; ++i) {
        if (i < record::kMacroTable || i >= record::kMacroTable + record::kMacroTableSize) {
            ASSERT_EQ(config.bytes()[i], before.bytes()[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(blockBytes(config, 11, 5), (std::vector<std::uint8_t>{0xCD, 0xCD, 0x01, 0x04, 0}));
}

TEST_F(MacroLibraryTest, HigherSlotsKeepTheirBytes) {
    files.put(kPath, section("Only", {"A   Dn"}));
    config.macroBlock(1)[10] = 0x99;
    library.rebuildMacroTable();
    EXPECT_EQ(config.macroBlock(1)[10], 0x99);
}

TEST_F(MacroLibraryTest, AnOversizeMacroIsCutAtItsBlock) {
    Items items;
    for (int i = 0; i < 70; ++i) {
        items.push_back("A   Dn");
        items.push_back("10 ms");
    }
    files.put(kPath, section("Long", items) + section("Next", {"C   Dn", "20 ms"}));
    const MacroTableReport report = library.rebuildMacroTable();
    ASSERT_EQ(report.slots.size(), 2u);
    EXPECT_EQ(report.slots[0].block.eventsWritten, 63u);
    EXPECT_EQ(report.slots[0].block.itemsConverted, 126u);
    EXPECT_FALSE(report.everythingFits());
    EXPECT_EQ(blockBytes(config, 1, 4), (std::vector<std::uint8_t>{0, 0, 0x02, 0x06}));
}

TEST_F(MacroLibraryTest, TheLongestMacroIsReadWhole) {
    // As many items as the editor holds; how long it takes is bench/macro_bench.cpp's question.
    Items items;
    for (std::size_t i = 0; i < kMaxMacroItems; ++i)
        items.push_back(i % 2 == 0 ? "A   Dn" : std::to_string(i) + " ms");
    items.back() = "\"Z   Up\"";  // quotes dropped as for any single read
    files.put(kPath, section("Long", items) + "item1=shadowed\r\n");
    const MacroTableReport report = library.rebuildMacroTable();
    ASSERT_EQ(report.slots.size(), 1u);
    EXPECT_EQ(report.slots[0].block.eventCount, kMaxMacroItems / 2 + 1);
    EXPECT_EQ(blockBytes(config, 0, 4), (std::vector<std::uint8_t>{0, 0, 0x00, 0x04}));
    const Items read = library.readMacro("Long");
    ASSERT_EQ(read.size(), kMaxMacroItems);
    EXPECT_EQ(read[1], "1 ms");  // the first of two keys of that name
    EXPECT_EQ(read.back(), "Z   Up");
}

TEST_F(MacroLibraryTest, ANameCutBeforeABlankFindsItsSectionAgain) {
    // The cut at 31 characters falls on a blank, which the file would not keep.
    const std::string typed = std::string(30, 'n') + " tail";
    const NameCheck check = checkNewMacroName(typed, {});
    ASSERT_EQ(check.refusal, NameRefusal::None);
    EXPECT_EQ(check.name, std::string(30, 'n'));
    ASSERT_EQ(library.writeMacro(check.name, kCopy).status, MacroFileStatus::Ok);
    EXPECT_EQ(library.sectionNames(), (Items{check.name}));
    EXPECT_EQ(library.readMacro(check.name), kCopy);
    EXPECT_EQ(library.deleteMacro(check.name), MacroFileStatus::Ok);
    EXPECT_TRUE(library.sectionNames().empty());
}

TEST_F(MacroLibraryTest, AListedNameCutInsideBlanksIsFoundAfterASave) {
    // The file's long name is listed cut at 31 characters, inside its run of blanks.
    files.put(kPath, section(std::string(20, 'n') + std::string(15, ' ') + "tail", {"A   Dn"}));
    const std::string listed = library.sectionNames().at(0);
    ASSERT_EQ(listed, std::string(20, 'n') + std::string(11, ' '));
    const MacroSaveResult saved = library.writeMacro(listed, kCopy);
    ASSERT_EQ(saved.slot, 0);
    // The file keeps the name without its blanks, as it keeps every section name.
    EXPECT_EQ(ini.sectionNames(), (Items{std::string(20, 'n')}));
    EXPECT_TRUE(sameMacroName(library.sectionNames().at(0), listed));
    EXPECT_EQ(library.readMacro(listed), kCopy);
    EXPECT_EQ(checkNewMacroName(std::string(20, 'n'), library.sectionNames()).refusal,
              NameRefusal::Exists);
}

TEST_F(MacroLibraryTest, LongNamesAreListedAndFoundCut) {
    const std::string longName(40, 'L');
    files.put(kPath, section(longName, {"A   Dn"}) + section("Other", {"B   Dn"}));
    const Items names = library.sectionNames();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], std::string(31, 'L'));
    EXPECT_EQ(library.readMacro(names[0]), (Items{"A   Dn"}));
    // Saving under the listed name replaces the long section instead of adding a second.
    EXPECT_EQ(library.writeMacro(names[0], Items{"C   Up"}).slot, 1);
    EXPECT_EQ(ini.sectionNames(), (Items{"Other", std::string(31, 'L')}));
}

TEST_F(MacroLibraryTest, SectionsBeyondTheScanAreNotMacros) {
    std::string text;
    for (int i = 0; i < 9; ++i)
        text += section(std::string(31, static_cast<char>('a' + i)), {"A   Dn"});
    files.put(kPath, text);
    EXPECT_EQ(library.sectionNames().size(), 7u);
    EXPECT_EQ(library.rebuildMacroTable().slots.size(), 7u);
}

TEST_F(MacroLibraryTest, ItemsCannotBreakTheFileApart) {
    library.writeMacro("M", Items{"A   Dn\r\n[Evil]", "10 ms"});
    EXPECT_EQ(ini.sectionNames(), (Items{"M"}));
    EXPECT_EQ(ini.readString("M", "Item0"), "A   Dn");
    EXPECT_EQ(library.writeMacro("  ", kCopy).status, MacroFileStatus::BadName);
}

TEST_F(MacroLibraryTest, ANameLegacyTextCannotHoldIsFoundAtItsSlot) {
    // A legacy single-byte record.ini, and names with characters it has no byte for.
    for (const std::string name : {"\xEF\xBB\xBFpasted", "宏 1"}) {
        SCOPED_TRACE(name);
        files.put(kPath, section("Old\x97", {"A   Dn"}));
        const MacroSaveResult saved = library.writeMacro(name, kCopy);
        ASSERT_EQ(saved.status, MacroFileStatus::Ok);
        ASSERT_EQ(saved.slot, 1);
        EXPECT_EQ(library.sectionNames(), (Items{"Old\u2014", name}));
        EXPECT_EQ(library.readMacro(name), kCopy);
        EXPECT_EQ(library.readMacro("Old\u2014"), (Items{"A   Dn"}));
        EXPECT_EQ(library.rebuildMacroTable().slots.at(1).name, name);
    }
}

TEST_F(MacroLibraryTest, LoopCountRules) {
    struct Case {
        const char* text;
        int count;
        bool reset;
    };
    for (const Case& c : {Case{"", 1, true}, Case{"0", 1, true}, Case{"65536", 1, true},
                          Case{"99999999999", 1, true}, Case{"-4", 1, true}, Case{"1", 1, false},
                          Case{"300", 300, false}, Case{"65535", 65535, false}}) {
        const LoopCountResult result = library.setLoopCount(3, c.text);
        EXPECT_EQ(result.count, c.count) << c.text;
        EXPECT_EQ(result.fieldReset, c.reset) << c.text;
        EXPECT_EQ(library.loopCount(3), c.count) << c.text;
    }
    library.setLoopCount(3, "300");
    EXPECT_EQ(blockBytes(config, 3, 2), (std::vector<std::uint8_t>{0x01, 0x2C}));

    const MouseConfig before = config;
    EXPECT_TRUE(library.setLoopCount(-1, "").fieldReset);  // no selection: nothing stored
    library.setLoopCount(12, "5");
    EXPECT_EQ(config, before);
    EXPECT_EQ(library.loopCount(-1), 0);
}

}  // namespace
}  // namespace quorvel
