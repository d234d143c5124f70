// The key dialogs on the real host: number boxes that report their changes and their lost
// focus, lists that open, scroll with the wheel and report a choice, the capture dialogs'
// hook and their keys that are not commands.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/capture_dialogs.h"
#include "dialogs/delay_time_dialog.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/list_choice_dialogs.h"
#include "drawing_support.h"
#include "modal_script.h"
#include "platform/win32/skinned_host.h"
#include "support/recording_message_box.h"

namespace quorvel::win32 {
namespace {

using testing::press;
using testing::Step;

struct DialogRun {
    DialogEnd end = DialogEnd::Cancel;
    bool hung = false;
    std::vector<quorvel::testing::ShownMessage> messages;
};

DialogRun runDialog(SkinnedWindow& model, std::vector<Step> steps,
                    std::function<bool()> holdAfterSteps = {}, const std::string& language = {}) {
    testing::TestWindow owner;
    SharedUiState shared;
    shared.skinDirectory = testing::kSkins + "Default";
    shared.languageCode = language;
    quorvel::testing::RecordingMessageBox messages;
    SkinnedHost window(GetModuleHandleW(nullptr), model, shared, messages);
    const testing::ModalRun scripted =
        testing::runScripted(window, owner.get(), std::move(steps), std::move(holdAfterSteps));
    return {scripted.end, scripted.hung, messages.shown};
}

// A real keystroke, pressed and released, through the system's input queue, where the
// keyboard hook sees it.
void typeKey(WORD scanCode, bool extended = false) {
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wScan = scanCode;
        key.ki.dwFlags = KEYEVENTF_SCANCODE | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    }
    keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

std::wstring textOf(HWND dialog, int id) {
    wchar_t buffer[64] = {};
    GetDlgItemTextW(dialog, id, buffer, 64);
    return buffer;
}

void notifyList(HWND dialog, int id, int entry, WORD code) {
    const HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(list));
}

TEST(KeyDialogsOnTheHost, FireKeyBoxesListAndWheelWorkThroughRealControls) {
    CFireKeyDialog dialog{DialogLook{}};
    constexpr int kSpeed = CFireKeyDialog::kSpeedBoxId;
    constexpr int kTimes = CFireKeyDialog::kTimesBoxId;
    constexpr int kList = CFireKeyDialog::kTargetListId;
    std::wstring speedAfterFocusLeft, timesAfterChange;
    LRESULT entries = 0, topAfterWheel = -1;
    bool boxesDisabledWhileOpen = false;
    const DialogRun run =
        runDialog(dialog, {
                              [&](HWND d) {
                                  SetFocus(GetDlgItem(d, kSpeed));
                                  SetDlgItemTextW(d, kSpeed, L"3");
                                  SetFocus(GetDlgItem(d, kTimes));  // the speed box loses the focus
                                  speedAfterFocusLeft = textOf(d, kSpeed);
                                  SetDlgItemTextW(d, kTimes, L"256");
                                  timesAfterChange = textOf(d, kTimes);
                                  press(d, 60, 75);  // the target box
                              },
                              [&](HWND d) {
                                  const HWND list = GetDlgItem(d, kList);
                                  entries = SendMessageW(list, LB_GETCOUNT, 0, 0);
                                  boxesDisabledWhileOpen = !IsWindowEnabled(GetDlgItem(d, kSpeed));
                                  SendMessageW(d, WM_MOUSEWHEEL,
                                               MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
                                  topAfterWheel = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
                                  notifyList(d, kList, 60, LBN_DBLCLK);
                                  // Typed and confirmed at once: the speed counts without losing
                                  // the focus.
                                  SetFocus(GetDlgItem(d, kSpeed));
                                  SetDlgItemTextW(d, kSpeed, L"77");
                                  press(d, 200, 260);
                              },
                          });
    EXPECT_EQ(run.end, DialogEnd::Ok);
    EXPECT_FALSE(run.hung);
    EXPECT_EQ(speedAfterFocusLeft, L"5");
    EXPECT_EQ(timesAfterChange, L"1");
    EXPECT_EQ(entries, 61);
    EXPECT_TRUE(boxesDisabledWhileOpen);
    EXPECT_EQ(topAfterWheel, 3);
    const FireKeyDialogResult result = dialog.result();
    EXPECT_EQ(result.targetPosition, 60);
    EXPECT_EQ(result.targetName, "R-Tilt Wheel");
    EXPECT_EQ(result.speed, 77);
    EXPECT_EQ(result.times, 1);
}

TEST(KeyDialogsOnTheHost, CaptureDialogsHookTheKeyboardAndKeepEnterAndEscape) {
    CSingleDialog single{DialogLook{}};
    std::wstring afterRightCtrl, afterEnterAndEscape;
    bool openAfterKeys = false;
    const DialogRun singleRun = runDialog(
        single, {
                    [](HWND d) {
                        SetForegroundWindow(d);
                        typeKey(0x1D,
                                true);  // Right Ctrl: Wine's own key names cannot tell it from Ctrl
                    },
                    [&](HWND d) {
                        afterRightCtrl = textOf(d, CSingleDialog::kKeyDisplayId);
                        typeKey(0x1C);  // Enter
                        typeKey(0x01);  // Escape
                    },
                    [&](HWND d) {
                        openAfterKeys = IsWindow(d) != FALSE;
                        afterEnterAndEscape = textOf(d, CSingleDialog::kKeyDisplayId);
                        press(d, 300, 260);
                    },
                });
    EXPECT_EQ(afterRightCtrl, L"Right Ctrl");
    EXPECT_TRUE(openAfterKeys);
    EXPECT_EQ(afterEnterAndEscape, L"Esc");
    EXPECT_EQ(singleRun.end, DialogEnd::Cancel);
    EXPECT_FALSE(singleRun.hung);
    EXPECT_TRUE(singleRun.messages.empty());  // the hook was installed

    CComboDialog combo{DialogLook{}};
    std::wstring modifierShown;
    bool keyBoxesEnabledAgain = false;
    const DialogRun comboRun =
        runDialog(combo, {
                             [](HWND d) { press(d, 60, 75); },
                             [&](HWND d) {
                                 notifyList(d, CComboDialog::kModifierListId, 5, LBN_SELCHANGE);
                                 modifierShown = textOf(d, CComboDialog::kModifierDisplayId);
                                 keyBoxesEnabledAgain =
                                     IsWindowEnabled(GetDlgItem(d, CComboDialog::kFirstKeyBoxId));
                                 press(d, 200, 260);
                             },
                         });
    EXPECT_EQ(comboRun.end, DialogEnd::Ok);
    EXPECT_EQ(modifierShown, L"Right Shift");
    EXPECT_TRUE(keyBoxesEnabledAgain);
    EXPECT_EQ(combo.result().modifier, (NamedKey{0x20, "Right Shift"}));
}

TEST(KeyDialogsOnTheHost, AWindowsShortcutIsChosenFromItsList) {
    CWindowsDialog dialog{DialogLook{Language::TraditionalChinese, kWhite}};
    std::wstring shown;
    const DialogRun run = runDialog(dialog, {
                                                [](HWND d) { press(d, 60, 135); },
                                                [&](HWND d) {
                                                    notifyList(d, 533, 10, LBN_SELCHANGE);
                                                    shown = textOf(d, 532);
                                                    press(d, 200, 260);
                                                },
                                            });
    EXPECT_EQ(run.end, DialogEnd::Ok);
    EXPECT_EQ(shown, L"瀏覽器-我的最愛");
    EXPECT_EQ(dialog.result().position, 10);
}

// Not part of the suite: tests/e2e/keydlg_shots.sh runs it to take the pictures in docs/. Each
// dialog stays open until the file named by QUORVEL_DIALOG_SHOT_DONE appears, which the
// script makes once it has the picture; the dialog then closes and the file goes.
TEST(KeyDialogsForPictures, DISABLED_EachStaysOpenUntilItsPictureIsTaken) {
    const char* done = std::getenv("QUORVEL_DIALOG_SHOT_DONE");
    ASSERT_NE(done, nullptr);
    const auto pictureTaken = [done] {
        if (GetFileAttributesA(done) == INVALID_FILE_ATTRIBUTES)
            return false;
        DeleteFileA(done);
        return true;
    };
    const auto holdUntilTaken = [&] { return !pictureTaken(); };
    const DialogLook english{Language::English, rgbColour(230, 230, 230)};
    const DialogLook chinese{Language::TraditionalChinese, rgbColour(230, 230, 230)};
    const auto typeInto = [](int id, const wchar_t* text) {
        return [id, text](HWND d) { SetDlgItemTextW(d, id, text); };
    };

    CSingleDialog single{english};
    runDialog(single, {[](HWND d) {
                  SetForegroundWindow(d);
                  typeKey(0x1D, true);  // Right Ctrl, captured for real
              }},
              holdUntilTaken);
    CComboDialog combo{english};
    runDialog(combo,
              {typeInto(CComboDialog::kFirstKeyBoxId, L"A"),
               typeInto(CComboDialog::kSecondKeyBoxId, L"F5"), [](HWND d) { press(d, 60, 75); }},
              holdUntilTaken);
    CFireKeyDialog fire{english};
    runDialog(fire, {}, holdUntilTaken);
    CMediaDialog media{english};
    runDialog(media, {[](HWND d) { press(d, 60, 135); }}, holdUntilTaken);
    CWindowsDialog windows{english};
    runDialog(windows, {}, holdUntilTaken);
    CDelayTimeDialog delay{english};
    runDialog(delay, {typeInto(CDelayTimeDialog::kDelayBoxId, L"250")}, holdUntilTaken);
    CFireKeyDialog fireChinese{chinese};
    runDialog(fireChinese, {}, holdUntilTaken, "CHT");
}

}  // namespace
}  // namespace quorvel::win32
