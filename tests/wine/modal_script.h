// Runs a skinned window modally on the real host while a script acts on it: each step runs
// from a thread timer inside the window's own loop; a run still going after the last step is
// closed and counted as hung, unless `holdAfterSteps` keeps it open while it says so.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/win32/skinned_host.h"

namespace quorvel::win32::testing {

using Step = std::function<void(HWND)>;

struct ModalRun {
    DialogEnd end = DialogEnd::Cancel;
    bool hung = false;
    HWND dialog = nullptr;  // the window the steps saw; destroyed once the run is over
};

namespace detail {
struct Script {
    std::vector<Step> steps;
    SkinnedHost* window = nullptr;
    std::function<bool()> holdAfterSteps;
    std::size_t next = 0;
    bool hung = false;
    HWND dialog = nullptr;
};
inline Script* gScript = nullptr;

inline void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD) {
    Script& script = *gScript;
    const HWND dialog = script.window->hwnd();
    if (dialog == nullptr)
        return;
    script.dialog = dialog;
    if (script.next < script.steps.size()) {
        script.steps[script.next++](dialog);
        return;
    }
    if (script.holdAfterSteps && script.holdAfterSteps())
        return;
    script.hung = !script.holdAfterSteps;
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}
}  // namespace detail

inline ModalRun runScripted(SkinnedHost& window, HWND owner, std::vector<Step> steps,
                            std::function<bool()> holdAfterSteps = {}) {
    detail::Script script{std::move(steps), &window, std::move(holdAfterSteps)};
    detail::gScript = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, &detail::onTick);
    ModalRun run;
    run.end = window.runModalOver(owner);
    KillTimer(nullptr, timer);
    detail::gScript = nullptr;
    run.hung = script.hung;
    run.dialog = script.dialog;
    return run;
}

inline void press(HWND dialog, int x, int y) {
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

}  // namespace quorvel::win32::testing
