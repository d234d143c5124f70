// A keyboard hook on the user-interface thread (WH_KEYBOARD, not a low-level hook) that hands
// each keystroke to one sink. Only one window captures keys at a time.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "ui/skinned_window.h"

namespace quorvel::win32 {

class HookedKeySink {
  public:
    virtual ~HookedKeySink() = default;
    virtual void hookedKey(const HookedKey& key) = 0;
};

// The keystroke's flag word as a hook receives it: scan code in bits 16 to 23, the extended
// bit 24, the previous state bit 30 and the transition bit 31.
HookedKey hookedKeyFromFlags(LPARAM flags);

class KeyboardHook {
  public:
    KeyboardHook() = default;
    ~KeyboardHook() { remove(); }
    KeyboardHook(const KeyboardHook&) = delete;
    KeyboardHook& operator=(const KeyboardHook&) = delete;

    // Installing while installed keeps the hook and changes nothing.
    HookInstall install(HookedKeySink& sink);
    void remove();
    bool installed() const { return hook_.valid(); }

  private:
    static LRESULT CALLBACK procedure(int code, WPARAM wParam, LPARAM lParam);
    UniqueHook hook_;
};

}  // namespace quorvel::win32
