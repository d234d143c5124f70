// The advanced page driven as its window drives it: presses at the page's rectangles, list and
// field notifications from fake controls, keystrokes from the hook; the outcomes checked in
// the record, record.ini, the controls and the messages.
#include "pages/advanced_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/macro_editor_texts.h"
#include "support/fake_controls.h"
#include "support/fake_files.h"
#include "support/recording_message_box.h"
#include "unit/pages/advanced_fakes.h"

namespace quorvel {
namespace {

using Items = std::vector<std::string>;
using namespace macro_controls;
using namespace pointer_settings;

constexpr const char* kPath = "C:\\QuorvelMouse\\record.ini";

class NullCanvas : public Canvas {
  public:
    bool drawImage(std::string_view, int, int) override { return true; }
    void drawText(std::string_view, const Rect&, TextPlacement, FontRole, Colour) override {}
    void copyToScreen() override {}
};

class FakeContext : public WindowContext {
  public:
    Canvas& canvas() override { return canvasFake; }
    ControlsPort& controls() override { return controlsFake; }
    MessageBoxPort& messages() override { return messageBox; }
    void endModal(DialogEnd) override {}
    void dragWindow(int, int) override {}
    void trackHover(HoverRequest) override {}
    HookInstall installKeyboardHook() override {
        hooked = true;
        return {true, 0};
    }
    void removeKeyboardHook() override { hooked = false; }

    NullCanvas canvasFake;
    test::FakeControls controlsFake;
    testing::RecordingMessageBox messageBox;
    bool hooked = false;
};

class AdvancedPageTest : public ::testing::Test {
  protected:
    // A system whose values lie beyond the sliders.
    AdvancedPageTest() {
        pointer.precision = true;
        pointer.speed = 14;
        pointer.lines = 40;
        pointer.doubleClick = 2000;
    }
    MouseConfig& config() { return shared.records.live; }
    std::vector<std::string> list(int id) {
        const auto it = context.controlsFake.lists.find(id);
        return it == context.controlsFake.lists.end() ? Items{} : it->second.items;
    }
    void typeInto(int id, const std::string& text) {
        context.controlsFake.setText(id, text);
        page.onEditChange(id, context);
    }
    void pick(int id, int index) {
        context.controlsFake.setSelection(id, index);
        page.onListSelectionChange(id, context);
    }
    void key(std::uint16_t scan, bool released) {
        page.onHookedKey(HookedKey{scan, false, released, released}, context);
    }

    testing::FakeFiles files;
    SharedUiState shared;
    LanguageTexts texts{Language::English};
    test::FakeSystemPointer pointer;
    MacroLibrary library{files, kPath, shared.records.live};
    test::FakePageServices stubs;
    FakeContext context;
    AdvancedPage page{{shared, texts, pointer, library, stubs, stubs, stubs}};
};

TEST_F(AdvancedPageTest, TheFirstShowingReadsTheSystemAndLaterOnesKeepTheRecord) {
    page.paint(context);
    EXPECT_EQ(pointer.reads, 1);
    EXPECT_EQ(config().pointerSetting(kSpeedPosition), 8);
    EXPECT_EQ(config().pointerSetting(kScrollLinesPosition), 11);  // 40 lines held to the slider
    EXPECT_EQ(config().pointerSetting(kDoubleClickPosition), 1);   // 2000 ms held too
    for (int id : {kNameField, kLoopField, kMacroList, kSequenceList, kDropDownLabel}) {
        EXPECT_TRUE(context.controlsFake.exists(id)) << id;
    }

    page.press(52 + 24 * 4, 205, context);  // speed step 5
    page.leave(context);
    for (int id : {kNameField, kLoopField, kMacroList, kSequenceList, kDropDownLabel})
        EXPECT_FALSE(context.controlsFake.shown(id)) << id;
    page.paint(context);
    for (int id : {kNameField, kLoopField, kMacroList, kSequenceList, kDropDownLabel})
        EXPECT_TRUE(context.controlsFake.shown(id)) << id;
    EXPECT_TRUE(context.controlsFake.destroyed.empty());  // the same windows, not new ones
    EXPECT_EQ(pointer.reads, 1);
    EXPECT_EQ(config().pointerSetting(kSpeedPosition), 5);
}

TEST_F(AdvancedPageTest, TicksSlidersAndDefaultChangeTheRecord) {
    page.paint(context);
    EXPECT_TRUE(page.press(55, 260, context));  // precision: read as on
    EXPECT_EQ(config().pointerSetting(kPrecision), 0);
    EXPECT_TRUE(page.press(55, 410, context));
    EXPECT_EQ(config().pointerSetting(kScreenPerNotch), 1);
    EXPECT_TRUE(page.press(52 + 24 * 10 + 23, 350, context));  // last step of the scroll row
    EXPECT_EQ(config().pointerSetting(kScrollLinesPosition), 11);
    EXPECT_TRUE(page.press(52, 510, context));
    EXPECT_EQ(config().pointerSetting(kDoubleClickPosition), 1);
    EXPECT_FALSE(page.press(52 + 24 * 11, 205, context));  // beside the slider: a drag
    EXPECT_FALSE(page.press(300, 300, context));

    EXPECT_TRUE(page.press(200, 580, context));  // Default
    EXPECT_EQ(pointer.written, (Items{"precision=0", "speed=10", "lines=3", "double-click=500"}));
    for (std::size_t field = 0; field < kPointerSettingsSize; ++field) {
        EXPECT_EQ(config().pointerSetting(field), (std::vector<int>{0, 0, 6, 3, 6})[field]);
    }
}

TEST_F(AdvancedPageTest, AMacroIsNamedRecordedEditedAndConfirmed) {
    page.paint(context);
    EXPECT_EQ(context.controlsFake.text(kLoopField), "1");
    typeInto(kNameField, "Copy");
    page.press(520, 535, context);  // New
    EXPECT_EQ(list(kMacroList), Items{"Copy"});
    EXPECT_FALSE(files.exists(kPath));

    page.press(740, 240, context);  // Start Recording
    EXPECT_TRUE(context.hooked);
    EXPECT_EQ(stubs.title, "Press Ctrl+Break key to stop recording");
    EXPECT_TRUE(page.onKeyBeforeDialogManager(KeyPhase::Down));  // typed keys do not act
    key(0x1D, false);
    key(0x2E, false);
    key(0x2E, true);
    key(0x1D, true);
    page.press(740, 270, context);  // Stop Recording
    EXPECT_FALSE(context.hooked);
    EXPECT_EQ(stubs.title, "QuorvelMouse");
    EXPECT_FALSE(page.onKeyBeforeDialogManager(KeyPhase::Down));
    EXPECT_EQ(list(kSequenceList),
              (Items{"Ctrl   Dn", "50 ms", "C   Dn", "50 ms", "C   Up", "50 ms", "Ctrl   Up"}));

    // "L-Button Click" after the last event; the list closes with the entry as its label.
    page.press(740, 408, context);
    ASSERT_EQ(list(kDropDownList).size(), 9U);
    pick(kDropDownList, 0);
    EXPECT_FALSE(context.controlsFake.exists(kDropDownList));
    EXPECT_EQ(context.controlsFake.text(kDropDownLabel), "L-Button Click");
    EXPECT_EQ(list(kSequenceList).size(), 11U);
    EXPECT_EQ(context.controlsFake.selection(kSequenceList), 8);

    context.controlsFake.setSelection(kSequenceList, 1);
    stubs.delay = DelayAnswer{300, "300"};
    page.onListDoubleClick(kSequenceList, context);
    typeInto(kLoopField, "3");

    page.press(730, 535, context);  // Confirm
    EXPECT_EQ(library.readMacro("Copy"),
              (Items{"Ctrl   Dn", "300 ms", "C   Dn", "50 ms", "C   Up", "50 ms", "Ctrl   Up",
                     "50 ms", "L-Button   Dn", "50 ms", "L-Button   Up"}));
    const auto block = config().macroBlock(0);
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.begin() + 14),
              (std::vector<std::uint8_t>{0x00, 0x03, 0x1E, 0xE0, 0x05, 0x06, 0x85, 0x06, 0x85, 0xE0,
                                         0x05, 0xF0, 0x80, 0xF0}));
    EXPECT_TRUE(context.messageBox.shown.size() == 2U);  // the two recording boxes only
}

TEST_F(AdvancedPageTest, TheSequenceFollowsThePointerAndItsMenuDeletes) {
    files.put(kPath, "[Tap]\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=50 ms\r\nItem2=A   Up\r\n");
    page.paint(context);
    page.onChildMouseMove(kSequenceList, 5, test::FakeControls::kItemHeight * 2 + 3, context);
    EXPECT_EQ(context.controlsFake.selection(kSequenceList), 2);
    page.onChildRightButtonDown(kSequenceList, context);
    EXPECT_EQ(stubs.menuText, "Delete");
    EXPECT_EQ(list(kSequenceList), (Items{"A   Dn", "50 ms"}));

    stubs.chooseMenu = false;
    page.onChildRightButtonDown(kSequenceList, context);
    EXPECT_EQ(list(kSequenceList).size(), 2U);
}

TEST_F(AdvancedPageTest, RefusalsAndTheCutAreToldInTheWindowsLanguage) {
    page.paint(context);
    page.press(520, 535, context);  // New with an empty name
    page.press(740, 240, context);  // Start with no macro
    ASSERT_EQ(context.messageBox.shown.size(), 2U);
    EXPECT_EQ(context.messageBox.shown[0].text, "Macro name is blank");
    EXPECT_EQ(context.messageBox.shown[0].caption, "QuorvelMouse");
    EXPECT_EQ(context.messageBox.shown[1].caption, "Warning");

    typeInto(kNameField, "Long");
    page.press(520, 535, context);
    page.press(740, 240, context);
    for (int i = 0; i < 40; ++i) {
        key(0x1E, false);
        key(0x1E, true);
    }
    page.press(740, 270, context);
    context.messageBox.shown.clear();
    page.press(730, 535, context);
    ASSERT_EQ(context.messageBox.shown.size(), 1U);
    EXPECT_EQ(context.messageBox.shown[0].text,
              "This macro is longer than the mouse can hold: only the first 63 of its 80 events "
              "will be played.");
}

TEST(MacroEditorTexts, EveryLanguageNamesBothNumbers) {
    for (Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const LanguageTexts texts(language);
        const NoticeText cut =
            noticeText(EditorNotice{EditorNotice::Kind::MacroCut, 63, 80}, texts);
        EXPECT_NE(cut.text.find("63"), std::string::npos) << cut.text;
        EXPECT_NE(cut.text.find("80"), std::string::npos) << cut.text;
        EXPECT_EQ(cut.text.find('{'), std::string::npos) << cut.text;
        EXPECT_FALSE(
            noticeText(EditorNotice{EditorNotice::Kind::FileNotWritten}, texts).text.empty());
        EXPECT_EQ(noticeText(EditorNotice{EditorNotice::Kind::TooManyMacros}, texts).caption,
                  "Warning");
    }
}

TEST_F(AdvancedPageTest, ControlsAnswerWithTheirColours) {
    shared.textColour = Colour{10, 20, 30};
    const Colour text = rgbColour(10, 20, 30);
    EXPECT_EQ(page.colourFor(kSequenceList, ControlKind::List)->brush,
              rgbColour(4, 5, 6));  // 0x060504 packed
    EXPECT_EQ(page.colourFor(kMacroList, ControlKind::List)->text, text);
    EXPECT_EQ(page.colourFor(kNameField, ControlKind::Edit)->brush, rgbColour(0, 0, 0));
    EXPECT_EQ(page.colourFor(kDropDownList, ControlKind::List)->text, kWhite);
    EXPECT_EQ(page.colourFor(kDropDownLabel, ControlKind::CentredLabel)->textBackground,
              rgbColour(0, 0, 0));
    EXPECT_FALSE(page.colourFor(41, ControlKind::List));
}

}  // namespace
}  // namespace quorvel
