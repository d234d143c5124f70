// The macro editor's rules over a record.ini in memory: what the lists show, what New, Delete
// and Confirm leave in the file and the macro table, and the insertion and delay rules.
#include "pages/macro_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_files.h"

namespace quorvel {
namespace {

using testing::FakeFiles;
using Items = std::vector<std::string>;
using Kind = EditorNotice::Kind;

constexpr const char* kPath = "C:\\QuorvelMouse\\record.ini";

const Items kCopy = {"Ctrl   Dn", "50 ms", "C   Dn", "50 ms", "C   Up", "50 ms", "Ctrl   Up"};
const Items kTap = {"A   Dn", "50 ms", "A   Up"};

std::string section(const std::string& name, const Items& items) {
    std::string text = "[" + name + "]\r\nItemCount=" + std::to_string(items.size()) + "\r\n";
    for (std::size_t j = 0; j < items.size(); ++j) {
        text += "Item" + std::to_string(j) + "=" + items[j] + "\r\n";
    }
    return text;
}

class FixedDelay : public DelayDialogPort {
  public:
    std::optional<DelayAnswer> askDelay() override {
        ++asked;
        return answer;
    }
    std::optional<DelayAnswer> answer;
    int asked = 0;
};

class MacroEditorTest : public ::testing::Test {
  protected:
    void withFile(const std::string& text) {
        files.put(kPath, text);
        editor.show();
    }
    std::string file() { return files.exists(kPath) ? files.text(kPath) : std::string(); }
    Items itemsAfterInserting(Items start, std::optional<int> selected, std::size_t entry) {
        files.put(kPath, section("M", start));
        editor.show();
        editor.selectItem(selected);
        editor.insertMouseEvent(entry);
        return editor.items();
    }

    FakeFiles files;
    MouseConfig config;
    MacroLibrary library{files, kPath, config};
    MacroEditor editor{library};
};

TEST_F(MacroEditorTest, ShowingTheFirstMacroAndSelectingAnotherDiscardsChanges) {
    setLoopCountOf(config.macroBlock(0), 7);
    withFile(section("Copy", kCopy) + section("Tap", kTap) + section("Empty", {}));
    EXPECT_EQ(editor.macros(), (Items{"Copy", "Tap", "Empty"}));
    EXPECT_EQ(editor.selectedMacro(), 0);
    EXPECT_EQ(editor.nameField(), "Copy");
    EXPECT_EQ(editor.items(), kCopy);
    EXPECT_EQ(editor.loopField(), "7");

    editor.selectItem(0);
    editor.deleteSelectedItem();
    editor.selectMacro(1);
    EXPECT_EQ(editor.nameField(), "Tap");
    EXPECT_EQ(editor.items(), kTap);
    EXPECT_EQ(editor.loopField(), "1");  // block 1 held 0: out of range, so the field resets
    EXPECT_EQ(loopCountOf(config.macroBlock(1)), 1);
    editor.setLoopField("9");
    editor.selectMacro(2);  // no items: the field keeps its text
    EXPECT_EQ(editor.loopField(), "9");
    editor.selectMacro(0);
    EXPECT_EQ(editor.items(), kCopy);  // the unconfirmed deletion is gone

    editor.setLoopField("70000");
    EXPECT_EQ(editor.loopField(), "1");
    EXPECT_EQ(loopCountOf(config.macroBlock(0)), 1);
}

TEST_F(MacroEditorTest, WithoutRecordIniThePageIsEmptyAndNothingIsStored) {
    editor.show();
    EXPECT_TRUE(editor.macros().empty());
    EXPECT_FALSE(editor.selectedMacro());
    EXPECT_EQ(editor.loopField(), "1");
    EXPECT_EQ(editor.confirm(), std::nullopt);
    EXPECT_EQ(editor.deleteSelectedMacro(), std::nullopt);
    editor.insertMouseEvent(0);
    EXPECT_TRUE(editor.items().empty());
    EXPECT_FALSE(files.exists(kPath));
}

TEST_F(MacroEditorTest, NewRefusesBlankDuplicateAndThirteenthNames) {
    withFile(section("Copy", kCopy));
    editor.setNameField("   ");
    EXPECT_EQ(editor.addNewMacro()->kind, Kind::NameBlank);
    editor.setNameField("COPY");
    EXPECT_EQ(editor.addNewMacro()->kind, Kind::NameExists);
    EXPECT_EQ(editor.macros().size(), 1U);

    editor.setNameField("Fresh");
    EXPECT_EQ(editor.addNewMacro(), std::nullopt);
    EXPECT_EQ(editor.macros().back(), "Fresh");
    EXPECT_EQ(editor.selectedMacro(), 1);
    EXPECT_TRUE(editor.items().empty());
    EXPECT_EQ(editor.loopField(), "1");
    EXPECT_EQ(file().find("Fresh"), std::string::npos);  // not saved until Confirm
    editor.show();
    EXPECT_EQ(editor.macros(), Items{"Copy"});

    for (int i = 1; i < kMaxMacros; ++i) {
        editor.setNameField("M" + std::to_string(i));
        ASSERT_EQ(editor.addNewMacro(), std::nullopt) << i;
    }
    editor.setNameField("Thirteenth");
    EXPECT_EQ(editor.addNewMacro()->kind, Kind::TooManyMacros);
    EXPECT_EQ(editor.macros().size(), 12U);
}

TEST_F(MacroEditorTest, InsertionKeepsEventsAndDelaysAlternating) {
    const std::size_t lClick = 0;
    const std::size_t rDown = 5;
    EXPECT_EQ(itemsAfterInserting({}, std::nullopt, lClick),
              (Items{"L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"}));
    EXPECT_EQ(editor.selectedItem(), std::nullopt);
    EXPECT_EQ(itemsAfterInserting({}, std::nullopt, rDown), (Items{"R-Button   Dn", "50 ms"}));

    // A selected event: a delay first, then the event, which becomes selected.
    EXPECT_EQ(itemsAfterInserting(kTap, 0, rDown),
              (Items{"A   Dn", "50 ms", "R-Button   Dn", "50 ms", "A   Up"}));
    EXPECT_EQ(editor.selectedItem(), 2);
    EXPECT_EQ(
        itemsAfterInserting(kTap, 2, lClick),
        (Items{"A   Dn", "50 ms", "A   Up", "50 ms", "L-Button   Dn", "50 ms", "L-Button   Up"}));
    EXPECT_EQ(editor.selectedItem(), 4);

    // A selected delay: the event right after it, then its own delay.
    EXPECT_EQ(
        itemsAfterInserting(kTap, 1, lClick),
        (Items{"A   Dn", "50 ms", "L-Button   Dn", "50 ms", "L-Button   Up", "50 ms", "A   Up"}));
    EXPECT_EQ(editor.selectedItem(), 2);

    // Nothing selected in a list that has items: nothing goes in, but the list closes.
    editor.toggleDropDown();
    EXPECT_EQ(itemsAfterInserting(kTap, std::nullopt, 8), kTap);
    EXPECT_FALSE(editor.dropDownOpen());
    EXPECT_EQ(editor.dropDownLabel(), "M-Button   Up");
}

TEST_F(MacroEditorTest, DelaysAreEditedThroughTheDialogAndItemsDeleted) {
    withFile(section("Tap", kTap));
    FixedDelay dialog;
    dialog.answer = DelayAnswer{20000, "20000"};
    editor.selectItem(0);
    EXPECT_FALSE(editor.editSelectedDelay(dialog));  // an event is not editable
    EXPECT_EQ(dialog.asked, 0);

    editor.selectItem(1);
    EXPECT_TRUE(editor.editSelectedDelay(dialog));
    EXPECT_EQ(editor.items()[1], "10 ms");
    dialog.answer = DelayAnswer{1350, "1350"};
    EXPECT_TRUE(editor.editSelectedDelay(dialog));
    EXPECT_EQ(editor.items()[1], "1350 ms");
    EXPECT_EQ(editor.selectedItem(), 1);
    dialog.answer = DelayAnswer{0, ""};
    EXPECT_TRUE(editor.editSelectedDelay(dialog));
    EXPECT_EQ(editor.items()[1], "0 ms");
    dialog.answer.reset();  // cancelled
    EXPECT_FALSE(editor.editSelectedDelay(dialog));
    EXPECT_EQ(editor.items()[1], "0 ms");

    editor.deleteSelectedItem();
    EXPECT_EQ(editor.items(), (Items{"A   Dn", "A   Up"}));
    EXPECT_EQ(editor.selectedItem(), std::nullopt);
    editor.deleteSelectedItem();
    EXPECT_EQ(editor.items().size(), 2U);
}

TEST_F(MacroEditorTest, ConfirmSavesTheSequenceAndRebuildsTheTable) {
    withFile(section("Tap", kTap));
    editor.setNameField("Copy");
    ASSERT_EQ(editor.addNewMacro(), std::nullopt);
    for (const std::string& item : kCopy) {
        editor.appendItem(item);
    }
    EXPECT_EQ(editor.confirm(), std::nullopt);
    EXPECT_EQ(library.sectionNames(), (Items{"Tap", "Copy"}));
    EXPECT_EQ(library.readMacro("Copy"), kCopy);
    const auto block = config.macroBlock(1);
    EXPECT_EQ(
        std::vector<std::uint8_t>(block.begin(), block.begin() + 10),
        (std::vector<std::uint8_t>{0x00, 0x01, 0x05, 0xE0, 0x05, 0x06, 0x85, 0x06, 0x80, 0xE0}));

    files.failReplaceWith = 5;
    EXPECT_EQ(editor.confirm()->kind, Kind::FileNotWritten);
}

TEST_F(MacroEditorTest, ConfirmSaysHowManyEventsOfALongMacroReachTheMouse) {
    withFile(section("Long", {}));
    for (int i = 0; i < 35; ++i) {
        editor.appendItem("A   Dn");
        editor.appendItem("50 ms");
        editor.appendItem("A   Up");
        editor.appendItem("50 ms");
    }
    const auto notice = editor.confirm();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->kind, Kind::MacroCut);
    EXPECT_EQ(notice->eventsKept, 63U);  // two bytes each
    EXPECT_EQ(notice->eventsTotal, 70U);
    EXPECT_EQ(library.readMacro("Long").size(), 140U);  // the file keeps all of it
}

TEST_F(MacroEditorTest, DeletingAMacroRemovesItsSectionAndLoopCountsFollowTheirMacros) {
    withFile(section("One", kTap) + section("Two", kTap) + section("Three", kTap));
    editor.selectMacro(1);
    editor.setLoopField("20");
    editor.selectMacro(2);
    editor.setLoopField("30");

    // Saving "One" moves it to the last slot; its loop count stays its own.
    editor.selectMacro(0);
    editor.setLoopField("10");
    ASSERT_EQ(editor.confirm(), std::nullopt);
    EXPECT_EQ(library.sectionNames(), (Items{"Two", "Three", "One"}));
    EXPECT_EQ(library.loopCount(0), 20);
    EXPECT_EQ(library.loopCount(2), 10);
    editor.setLoopField("11");  // still "One", now in slot 2
    EXPECT_EQ(library.loopCount(2), 11);
    EXPECT_EQ(library.loopCount(0), 20);

    editor.selectMacro(1);  // "Two", slot 0
    EXPECT_EQ(editor.loopField(), "20");
    EXPECT_EQ(editor.deleteSelectedMacro(), std::nullopt);
    EXPECT_EQ(editor.macros(), (Items{"One", "Three"}));
    EXPECT_FALSE(editor.selectedMacro());
    EXPECT_TRUE(editor.nameField().empty());
    EXPECT_TRUE(editor.items().empty());
    EXPECT_EQ(library.sectionNames(), (Items{"Three", "One"}));
    EXPECT_EQ(library.loopCount(0), 30);
    EXPECT_EQ(library.loopCount(1), 11);

    // A macro never saved leaves the list only.
    editor.setNameField("Draft");
    ASSERT_EQ(editor.addNewMacro(), std::nullopt);
    const std::string before = file();
    EXPECT_EQ(editor.deleteSelectedMacro(), std::nullopt);
    EXPECT_EQ(file(), before);
}

}  // namespace
}  // namespace quorvel
