// Sub-dialogs run modally on their empty templates: over a disabled owner, sized to their
// skin background, ended only through their buttons, Escape or the system close.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "drawing_support.h"
#include "platform/win32/sub_dialog_window.h"

namespace quorvel::win32 {
namespace {

using testing::kSkins;

class ProbeDialog : public ModalDialog {
  public:
    int templateId() const override { return 701; }
    std::string_view backgroundImage() const override { return "/single-key.png"; }
    std::string_view loadFailureCaption() const override { return "Probe Dialog failed!!!"; }
    void onInit(DialogControl&) override { ++inits; }
    void onPress(int x, int y, DialogControl&) override { presses.push_back({x, y}); }
    bool consumesKeyDown(unsigned key) override { return consumeEscape && key == VK_ESCAPE; }

    int inits = 0;
    bool consumeEscape = false;
    std::vector<std::pair<int, int>> presses;
};

class RecordedMessages : public MessageBoxPort {
  public:
    void show(std::string_view text, std::string_view caption) override {
        shown.emplace_back(text, caption);
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

// Steps run from a thread timer, which the dialog's own loop dispatches; a run still going
// after the last step is closed and counted as hung.
struct Script {
    std::vector<std::function<void(HWND)>> steps;
    SubDialogWindow* window = nullptr;
    std::size_t next = 0;
    bool hung = false;
    HWND dialog = nullptr;
};
Script* gScript = nullptr;

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD) {
    Script& script = *gScript;
    const HWND dialog = script.window->hwnd();
    if (dialog == nullptr)
        return;
    script.dialog = dialog;
    if (script.next < script.steps.size()) {
        script.steps[script.next++](dialog);
        return;
    }
    script.hung = true;
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

void press(HWND dialog, int x, int y) {
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

class SubDialogWindowTest : public ::testing::Test {
  protected:
    DialogEnd run(std::vector<std::function<void(HWND)>> steps,
                  const std::string& skin = kSkins + "Default") {
        SubDialogWindow window(GetModuleHandleW(nullptr), dialog, skin, messages);
        Script script{std::move(steps), &window};
        gScript = &script;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, &onTick);
        const DialogEnd end = window.run(owner.get());
        KillTimer(nullptr, timer);
        gScript = nullptr;
        hung_ = script.hung;
        dialogAfter_ = script.dialog;
        return end;
    }

    testing::TestWindow owner;
    ProbeDialog dialog;
    RecordedMessages messages;
    bool hung_ = false;
    HWND dialogAfter_ = nullptr;
};

TEST_F(SubDialogWindowTest, RunsOverADisabledOwnerAndEndsWithTheOkButton) {
    bool ownerEnabled = true;
    bool visible = false;
    RECT bounds{};
    const DialogEnd end = run({[&](HWND d) {
        ownerEnabled = IsWindowEnabled(owner.get()) != FALSE;
        visible = IsWindowVisible(d) != FALSE;
        GetWindowRect(d, &bounds);
        press(d, 200, 260);
    }});
    EXPECT_EQ(end, DialogEnd::Ok);
    EXPECT_FALSE(hung_);
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(visible);
    EXPECT_EQ(bounds.right - bounds.left, 380);  // single-key.png
    EXPECT_EQ(bounds.bottom - bounds.top, 290);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    EXPECT_FALSE(IsWindow(dialogAfter_));
    EXPECT_TRUE(messages.shown.empty());
}

// The buttons' own routing is tested natively; these are the dialog manager's ways out.
TEST_F(SubDialogWindowTest, EscapeAndTheSystemCloseCancel) {
    EXPECT_EQ(run({[](HWND d) { PostMessageW(d, WM_KEYDOWN, VK_ESCAPE, 0); }}), DialogEnd::Cancel);
    EXPECT_FALSE(hung_);
    EXPECT_EQ(run({[](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }}), DialogEnd::Cancel);
    EXPECT_FALSE(hung_);
    // One model, two runs: each starts afresh.
    EXPECT_EQ(dialog.inits, 2);
}

TEST_F(SubDialogWindowTest, ConsumedKeysAndOwnAreasStayWithTheDialog) {
    dialog.consumeEscape = true;
    bool stillRunning = false;
    const DialogEnd end = run({
        [](HWND d) {
            PostMessageW(d, WM_KEYDOWN, VK_ESCAPE, 0);
            press(d, 50, 120);
        },
        [&](HWND d) {
            stillRunning = IsWindow(d) != FALSE;
            press(d, 200, 260);
        },
    });
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(end, DialogEnd::Ok);
    EXPECT_EQ(dialog.presses, (std::vector<std::pair<int, int>>{{50, 120}}));
}

TEST_F(SubDialogWindowTest, MissingBackgroundReportsAndEndsCancelled) {
    const DialogEnd end = run({}, kSkins + "NoSuchSkin");
    EXPECT_EQ(end, DialogEnd::Cancel);
    EXPECT_FALSE(hung_);
    EXPECT_EQ(dialog.inits, 0);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].first, "error");
    EXPECT_EQ(messages.shown[0].second, "Probe Dialog failed!!!");
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
}

}  // namespace
}  // namespace quorvel::win32
