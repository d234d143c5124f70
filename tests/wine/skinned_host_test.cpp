// The one host runs a skinned window modally on an empty template: over a disabled owner,
// sized to its skin background, ended only through the model, Escape or the system close;
// its child controls are real windows addressed by identifier.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_buttons.h"
#include "drawing_support.h"
#include "modal_script.h"
#include "platform/win32/keyboard_hook.h"
#include "platform/win32/skinned_host.h"
#include "support/recording_message_box.h"

namespace quorvel::win32 {
namespace {

using testing::kSkins;
using testing::press;
using testing::Step;

constexpr int kList = 600;
constexpr int kLabel = 601;
constexpr int kEdit = 602;

class ProbeDialog : public SkinnedWindow {
  public:
    int templateId() const override { return 701; }
    std::string_view backgroundImage() const override { return "/single-key.png"; }
    std::string_view loadFailureCaption() const override { return "Probe Dialog failed!!!"; }
    void onInit(WindowContext& window) override {
        ++inits;
        context = &window;
    }
    void onPress(int x, int y, WindowContext& window) override {
        const bool hit = dispatchPress<DialogButton>(kDialogButtons, x, y, [&](DialogButton b) {
                             window.endModal(dialogEndFor(b));
                         }).hit;
        if (!hit)
            presses.push_back({x, y});
    }
    bool onKeyBeforeDialogManager(unsigned key, KeyPhase phase, WindowContext&) override {
        return consumeEscape && key == VK_ESCAPE && phase == KeyPhase::Down;
    }
    void onListSelectionChange(int id, WindowContext&) override { notices.push_back(id); }
    void onEditChange(int id, WindowContext&) override { notices.push_back(id); }
    std::optional<ColourAnswer> colourFor(int id, ControlKind kind, WindowContext&) override {
        if (id != kLabel || kind != ControlKind::StaticText)
            return std::nullopt;
        return ColourAnswer{rgbColour(255, 255, 255), std::nullopt, rgbColour(40, 40, 40), true};
    }

    int inits = 0;
    bool consumeEscape = false;
    WindowContext* context = nullptr;
    std::vector<std::pair<int, int>> presses;
    std::vector<int> notices;
};

class SkinnedHostTest : public ::testing::Test {
  protected:
    DialogEnd run(std::vector<Step> steps, const std::string& skin = kSkins + "Default") {
        SharedUiState shared;
        shared.skinDirectory = skin;
        SkinnedHost window(GetModuleHandleW(nullptr), dialog, shared, messages);
        const testing::ModalRun scripted =
            testing::runScripted(window, owner.get(), std::move(steps));
        hung_ = scripted.hung;
        dialogAfter_ = scripted.dialog;
        return scripted.end;
    }

    testing::TestWindow owner;
    ProbeDialog dialog;
    quorvel::testing::RecordingMessageBox messages;
    bool hung_ = false;
    HWND dialogAfter_ = nullptr;
};

TEST_F(SkinnedHostTest, RunsOverADisabledOwnerAndEndsWithTheOkButton) {
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
TEST_F(SkinnedHostTest, EscapeAndTheSystemCloseCancel) {
    EXPECT_EQ(run({[](HWND d) { PostMessageW(d, WM_KEYDOWN, VK_ESCAPE, 0); }}), DialogEnd::Cancel);
    EXPECT_FALSE(hung_);
    EXPECT_EQ(run({[](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }}), DialogEnd::Cancel);
    EXPECT_FALSE(hung_);
    // One model, two runs: each starts afresh.
    EXPECT_EQ(dialog.inits, 2);
}

TEST_F(SkinnedHostTest, ConsumedKeysAndOwnAreasStayWithTheDialog) {
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

TEST_F(SkinnedHostTest, MissingBackgroundReportsAndEndsCancelled) {
    const DialogEnd end = run({}, kSkins + "NoSuchSkin");
    EXPECT_EQ(end, DialogEnd::Cancel);
    EXPECT_FALSE(hung_);
    EXPECT_EQ(dialog.inits, 0);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, "error");
    EXPECT_EQ(messages.shown[0].caption, "Probe Dialog failed!!!");
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
}

TEST_F(SkinnedHostTest, ControlsAreChildWindowsAddressedByIdentifier) {
    const DialogEnd end = run({[&](HWND d) {
        ControlsPort& controls = dialog.context->controls();
        ASSERT_TRUE(controls.create(kLabel, ControlKind::StaticText, Rect{74, 128, 150, 142}));
        controls.setText(kLabel, "Right Ctrl");
        EXPECT_EQ(controls.text(kLabel), "Right Ctrl");
        ASSERT_TRUE(controls.create(kEdit, ControlKind::Edit, Rect{50, 120, 131, 134}, "A"));
        SetFocus(GetDlgItem(d, kEdit));
        EXPECT_EQ(controls.focusedControl(), kEdit);
        controls.enable(kEdit, false);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, kEdit)));
        controls.enable(kEdit, true);
        SetFocus(GetDlgItem(d, kEdit));
        // A dialog hands its own focus on to its first control: the edit loses it.
        controls.focusWindow();
        EXPECT_NE(controls.focusedControl(), kEdit);

        ASSERT_TRUE(controls.create(kList, ControlKind::List, Rect{50, 86, 132, 226}));
        EXPECT_FALSE(controls.create(kList, ControlKind::List, Rect{0, 0, 10, 10}));
        for (const char* item : {"Left Ctrl", "Left Shift", "Right Shift", "Right Win"})
            controls.addItem(kList, item);
        EXPECT_EQ(controls.itemCount(kList), 4);
        EXPECT_EQ(controls.itemText(kList, 2), "Right Shift");
        EXPECT_EQ(controls.itemText(kList, 3), "Right Win");
        EXPECT_EQ(controls.itemText(kList, 4), std::nullopt);
        EXPECT_EQ(controls.selection(kList), std::nullopt);
        controls.setSelection(kList, 2);
        EXPECT_EQ(controls.selection(kList), 2);
        controls.setSelection(kList, 7);  // outside: nothing selected
        EXPECT_EQ(controls.selection(kList), std::nullopt);
        const std::optional<Rect> second = controls.itemRect(kList, 1);
        ASSERT_TRUE(second.has_value());
        EXPECT_EQ(controls.itemAtPoint(kList, 5, second->top + 1), 1);

        // The list's own notifications reach the model by identifier.
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(d, kList)));
        controls.setText(kEdit, "B");  // the edit tells its owner it changed

        // One brush at a time: the next colour answer releases the previous brush.
        HDC dc = GetDC(GetDlgItem(d, kLabel));
        const auto first = reinterpret_cast<HBRUSH>(
            SendMessageW(d, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(GetDlgItem(d, kLabel))));
        const auto next = reinterpret_cast<HBRUSH>(
            SendMessageW(d, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(GetDlgItem(d, kLabel))));
        EXPECT_NE(first, nullptr);
        EXPECT_NE(next, nullptr);
        EXPECT_EQ(GetObjectType(first), 0U);  // deleted
        EXPECT_EQ(GetObjectType(next), static_cast<DWORD>(OBJ_BRUSH));
        EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
        ReleaseDC(GetDlgItem(d, kLabel), dc);
        // A control the model does not answer for gets the system's colours, and the
        // window's own brush stays.
        const auto system = reinterpret_cast<HBRUSH>(
            SendMessageW(d, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(GetDlgItem(d, kList))));
        EXPECT_NE(system, next);
        EXPECT_EQ(GetObjectType(next), static_cast<DWORD>(OBJ_BRUSH));

        controls.destroy(kList);
        EXPECT_FALSE(controls.exists(kList));
        EXPECT_EQ(controls.itemCount(kList), 0);
        press(d, 200, 260);
    }});
    EXPECT_EQ(end, DialogEnd::Ok);
    EXPECT_FALSE(hung_);
    EXPECT_EQ(dialog.notices, (std::vector<int>{kList, kEdit}));
}

TEST(KeyboardHookFlags, ScanCodeExtendedBitAndTransitionsAreRead) {
    // Right Ctrl pressed: scan 0x1D with the extended bit; released: both state bits set.
    const HookedKey down = hookedKeyFromFlags(static_cast<LPARAM>(0x011D0001));
    EXPECT_EQ(down.scanCode, 0x1D);
    EXPECT_TRUE(down.extended);
    EXPECT_FALSE(down.released);
    const HookedKey up = hookedKeyFromFlags(static_cast<LPARAM>(0xC0360001U));
    EXPECT_EQ(up.scanCode, 0x36);
    EXPECT_FALSE(up.extended);
    EXPECT_TRUE(up.released);
    EXPECT_TRUE(up.wasDown);
}

}  // namespace
}  // namespace quorvel::win32
