#include "platform/win32/keyboard_hook.h"

namespace quorvel::win32 {
namespace {

// The hook procedure has no context of its own; one capture runs at a time.
HookedKeySink* gSink = nullptr;

}  // namespace

HookedKey hookedKeyFromFlags(LPARAM flags) {
    const auto bits = static_cast<std::uint32_t>(flags);
    HookedKey key;
    key.scanCode = static_cast<std::uint16_t>((bits >> 16) & 0xFF);
    key.extended = (bits & (1U << 24)) != 0;
    key.wasDown = (bits & (1U << 30)) != 0;
    key.released = (bits & (1U << 31)) != 0;
    return key;
}

HookInstall KeyboardHook::install(HookedKeySink& sink) {
    if (hook_.valid())
        return HookInstall{true, 0};
    hook_.reset(SetWindowsHookExW(WH_KEYBOARD, &procedure, nullptr, GetCurrentThreadId()));
    if (!hook_.valid())
        return HookInstall{false, static_cast<std::uint32_t>(GetLastError())};
    gSink = &sink;
    return HookInstall{true, 0};
}

void KeyboardHook::remove() {
    if (!hook_.valid())
        return;
    gSink = nullptr;
    // A failed unhook leaves nothing to retry: the thread's hooks end with the thread.
    (void)hook_.close();
}

LRESULT CALLBACK KeyboardHook::procedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION || gSink == nullptr)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    gSink->hookedKey(hookedKeyFromFlags(lParam));
    // The keystroke goes on to its window as usual.
    return 0;
}

}  // namespace quorvel::win32
