// Recording: which keystrokes become items, and what Start and Stop tell the user.
#include "pages/macro_recorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/fake_files.h"

namespace quorvel {
namespace {

using testing::FakeFiles;
using Items = std::vector<std::string>;

constexpr const char* kPath = "C:\\QuorvelMouse\\record.ini";
constexpr std::uint8_t kCtrl = 0x1D;
constexpr std::uint8_t kC = 0x2E;
constexpr std::uint8_t kA = 0x1E;
constexpr std::uint8_t kEnter = 0x1C;

const RecorderTexts kTexts{"Macro name is blank", "Start Recording", "Stop Recording",
                           "Press Ctrl+Break key to stop recording", "Not recording"};

HookedKey down(std::uint8_t scan, bool wasDown = false) {
    return HookedKey{scan, false, false, wasDown};
}
HookedKey up(std::uint8_t scan) {
    return HookedKey{scan, false, true, true};
}

class FakeHost : public RecorderHost {
  public:
    void show(std::string_view text, std::string_view caption) override {
        shown.push_back(std::string(caption) + ":" + std::string(text));
        if (onShow)
            onShow();
    }
    HookInstall installKeyboardHook() override {
        hooked = !refuse;
        return HookInstall{hooked, refuse ? 1400U : 0U};
    }
    void removeKeyboardHook() override { hooked = false; }
    std::string caption() const override { return title; }
    void setCaption(std::string_view text) override { title = text; }

    std::vector<std::string> shown;
    std::function<void()> onShow;  // the user closing the box
    bool hooked = false;
    bool refuse = false;
    std::string title = "QuorvelMouse";
};

class MacroRecorderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        files.put(kPath, "[Copy]\r\nItemCount=1\r\nItem0=X   Dn\r\n");
        editor.show();
    }
    Items record(std::initializer_list<HookedKey> strokes) {
        recorder.start(host, kTexts);
        for (const HookedKey& stroke : strokes) {
            recorder.onKeystroke(stroke);
        }
        return editor.items();
    }

    FakeFiles files;
    MouseConfig config;
    MacroLibrary library{files, kPath, config};
    MacroEditor editor{library};
    FakeHost host;
    MacroRecorder recorder{editor};
};

TEST_F(MacroRecorderTest, KeystrokesBecomeEventsWithFiftyMillisecondsBetween) {
    EXPECT_EQ(record({down(kCtrl), down(kC), up(kC), up(kCtrl)}),
              (Items{"Ctrl   Dn", "50 ms", "C   Dn", "50 ms", "C   Up", "50 ms", "Ctrl   Up"}));
    EXPECT_EQ(editor.selectedItem(), 6);

    // A held key repeats with the previous-state bit set: one press.
    EXPECT_EQ(record({down(kA), down(kA, true), down(kA, true), up(kA)}),
              (Items{"A   Dn", "50 ms", "A   Up"}));
    // The same key pressed twice is two presses.
    EXPECT_EQ(record({down(kA), up(kA), down(kA), up(kA)}),
              (Items{"A   Dn", "50 ms", "A   Up", "50 ms", "A   Dn", "50 ms", "A   Up"}));
    // Started while Ctrl was held: the release comes first, and the alternation holds.
    EXPECT_EQ(record({up(kCtrl), down(kA)}), (Items{"50 ms", "Ctrl   Up", "50 ms", "A   Dn"}));
    // Right Ctrl has its own name.
    EXPECT_EQ(record({HookedKey{kCtrl, true, false, false}}), (Items{"Right Ctrl   Dn"}));
}

TEST_F(MacroRecorderTest, StartClearsTheSequenceAndMarksTheCaption) {
    recorder.start(host, kTexts);
    EXPECT_TRUE(editor.items().empty());
    EXPECT_TRUE(recorder.recording());
    EXPECT_TRUE(recorder.swallowsKeyDown());
    EXPECT_EQ(host.title, "Press Ctrl+Break key to stop recording");
    EXPECT_EQ(host.shown, Items{"QuorvelMouse:Start Recording"});

    recorder.onKeystroke(down(kA));
    recorder.start(host, kTexts);  // a new start drops what was recorded
    EXPECT_TRUE(editor.items().empty());
    EXPECT_TRUE(host.hooked);
}

TEST_F(MacroRecorderTest, AnEmptyCaptionComesBackEmptyNotAsTheHint) {
    host.title.clear();
    recorder.start(host, kTexts);
    recorder.stop(host, kTexts);
    EXPECT_EQ(host.title, "");
}

TEST_F(MacroRecorderTest, StopEndsTheRecordingBeforeItsBoxCanBeAnswered) {
    recorder.start(host, kTexts);
    recorder.onKeystroke(down(kA));
    host.onShow = [this] { recorder.onKeystroke(down(kEnter)); };  // Enter closes the box
    host.shown.clear();
    recorder.stop(host, kTexts);
    EXPECT_EQ(editor.items(), Items{"A   Dn"});
    EXPECT_FALSE(host.hooked);
    EXPECT_FALSE(recorder.swallowsKeyDown());
    EXPECT_EQ(host.title, "QuorvelMouse");
    EXPECT_EQ(host.shown, Items{"QuorvelMouse:Stop Recording"});

    // Once a recording was made, Stop without one only shows its box.
    recorder.stop(host, kTexts);
    EXPECT_EQ(host.shown.size(), 2U);
}

TEST_F(MacroRecorderTest, StartAndStopRefuseWhatTheyCannotDo) {
    recorder.stop(host, kTexts);
    EXPECT_EQ(host.shown, (Items{"QuorvelMouse:Stop Recording", "Warning:Not recording"}));

    host.shown.clear();
    host.refuse = true;
    recorder.start(host, kTexts);
    EXPECT_FALSE(recorder.recording());
    EXPECT_EQ(host.shown.back(), "QuorvelMouse:JournalRecordHook Install error code :1400\n");
    recorder.onKeystroke(down(kA));
    EXPECT_TRUE(editor.items().empty());

    files.files.clear();
    editor.show();
    host.shown.clear();
    host.refuse = false;
    recorder.start(host, kTexts);
    EXPECT_EQ(host.shown, Items{"Warning:Macro name is blank"});
    EXPECT_FALSE(host.hooked);
}

TEST_F(MacroRecorderTest, LeavingThePageOrLosingTheSelectionStopsTheItems) {
    recorder.start(host, kTexts);
    editor.deleteSelectedMacro();
    recorder.onKeystroke(down(kA));
    EXPECT_TRUE(editor.items().empty());

    SetUp();
    recorder.start(host, kTexts);
    ASSERT_TRUE(host.hooked);
    recorder.leavePage(host);
    EXPECT_FALSE(host.hooked);
    recorder.onKeystroke(down(kA));
    EXPECT_TRUE(editor.items().empty());
}

}  // namespace
}  // namespace quorvel
