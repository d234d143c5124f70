#include "dialogs/macro_dialog_choice.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "macro/macro_library.h"
#include "support/fake_files.h"

namespace quorvel {
namespace {

using Names = std::vector<std::string>;

// The boxes as the dialog draws them, following each tick change.
struct Boxes {
    std::array<bool, 3> ticked{true, false, false};
    void apply(TickChange change) {
        ticked[static_cast<std::size_t>(change.untick - 1)] = false;
        ticked[static_cast<std::size_t>(change.tick - 1)] = true;
    }
    int count() const { return ticked[0] + ticked[1] + ticked[2]; }
};

TEST(MacroChoice, ExactlyOneRepeatBoxIsTickedWhateverIsClicked) {
    MacroChoice choice;
    Boxes boxes;
    for (int mode : {3, 1, 1, 2, 0, 4, -1, 3, 2}) {
        boxes.apply(choice.setRepeatMode(mode));
        EXPECT_EQ(boxes.count(), 1) << "after a click on box " << mode;
        EXPECT_TRUE(boxes.ticked[static_cast<std::size_t>(choice.repeatMode() - 1)]);
    }
    EXPECT_EQ(choice.repeatMode(), 2);
}

TEST(MacroChoice, SlotsAreFilePositionsAlsoAfterASaveMovedASection) {
    testing::FakeFiles files;
    MouseConfig config;
    const std::string path = "C:\\QuorvelMouse\\record.ini";
    files.put(path, "[Copy]\r\nItemCount=0\r\n[Paste]\r\nItemCount=0\r\n[Fire]\r\nItemCount=0\r\n");
    MacroLibrary library(files, path, config);
    // A save in the editor puts the saved macro last: Paste, Fire, Copy.
    ASSERT_EQ(
        library.writeMacro("Copy", std::vector<std::string>{"A   Dn", "50 ms", "A   Up"}).status,
        MacroFileStatus::Ok);

    MacroChoice choice;
    choice.fill(library.sectionNames());
    ASSERT_EQ(choice.listed(), (Names{"Paste", "Fire", "Copy"}));
    ASSERT_TRUE(choice.choose(1));
    choice.setRepeatMode(3);
    ASSERT_EQ(choice.verdictOnOk(library.sectionNames().size()), MacroOkVerdict::Accept);
    const MacroDialogResult result = choice.result();
    EXPECT_EQ(result.slot, 1);
    EXPECT_EQ(result.macroName, "Fire");
    EXPECT_EQ(result.repeatMode, 3);

    // Reopened after another save, the list is the file's new order.
    library.writeMacro("Paste", std::vector<std::string>{});
    choice.fill(library.sectionNames());
    ASSERT_TRUE(choice.choose(2));
    EXPECT_EQ(choice.result().slot, 2);
    EXPECT_EQ(choice.result().macroName, "Paste");
}

TEST(MacroChoice, OkNeedsAChosenMacro) {
    MacroChoice choice;
    EXPECT_EQ(choice.verdictOnOk(0), MacroOkVerdict::NoMacros);
    choice.fill({"Copy", "Paste"});
    EXPECT_EQ(choice.verdictOnOk(2), MacroOkVerdict::ChooseFirst);
    // A position the list does not have chooses nothing.
    EXPECT_FALSE(choice.choose(2));
    EXPECT_FALSE(choice.choose(-1));
    EXPECT_EQ(choice.verdictOnOk(2), MacroOkVerdict::ChooseFirst);
    EXPECT_TRUE(choice.choose(0));
    EXPECT_EQ(choice.verdictOnOk(2), MacroOkVerdict::Accept);
    EXPECT_EQ(choice.result().macroName, "Copy");
}

TEST(MacroChoice, OnlyTheSlotsTheMouseHoldsAreOffered) {
    Names names;
    for (int i = 0; i < kMacroSlotCount + 2; ++i) {
        names.push_back("M" + std::to_string(i));
    }
    MacroChoice choice;
    choice.fill(names);
    ASSERT_EQ(choice.listed().size(), static_cast<std::size_t>(kMacroSlotCount));
    EXPECT_EQ(choice.listed().back(), "M11");
    EXPECT_FALSE(choice.choose(kMacroSlotCount));
}

}  // namespace
}  // namespace quorvel
