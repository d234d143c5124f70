// Recording a macro from the keys typed into the program's window: "Start Recording" installs
// a keyboard hook on the user-interface thread, each accepted keystroke becomes items of the
// editor's key press sequence with a fixed 50 ms between events, "Stop Recording" removes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pages/macro_editor.h"
#include "ports/message_box.h"
#include "ui/skinned_window.h"

namespace quorvel {

// The private message the hook reports keys with; wParam is one of MacroKeyEvent.
inline constexpr unsigned kMacroKeyMessage = 0x0403;
enum class MacroKeyEvent : unsigned { Press = 0, Release = 1, Stopped = 5 };

// The localized texts the recorder shows.
struct RecorderTexts {
    std::string_view nameBlank;
    std::string_view startRecording;
    std::string_view stopRecording;
    std::string_view pressCtrlBreak;
    std::string_view notRecording;
};

// What the recorder needs of the window it records for.
class RecorderHost : public MessageBoxPort {
  public:
    // A WH_KEYBOARD hook for the user-interface thread; its keystrokes reach
    // MacroRecorder::onKeystroke.
    virtual HookInstall installKeyboardHook() = 0;
    virtual void removeKeyboardHook() = 0;
    virtual std::string caption() const = 0;
    virtual void setCaption(std::string_view text) = 0;
};

class MacroRecorder {
  public:
    explicit MacroRecorder(MacroEditor& editor) : editor_(editor) {}

    void start(RecorderHost& host, const RecorderTexts& texts);
    // The hook goes before the box is shown: the key that closes it is not recorded.
    void stop(RecorderHost& host, const RecorderTexts& texts);
    // The page is replaced by another: a running recording ends without a word.
    void leavePage(RecorderHost& host);

    // One keystroke the hook saw on the user-interface thread.
    void onKeystroke(const HookedKey& keystroke);

    bool recording() const { return hooked_; }
    // While recording, key-downs do not act on the page (no typing, no Enter or Escape).
    bool swallowsKeyDown() const { return hooked_; }

  private:
    void report(MacroKeyEvent event, std::string_view keyName);
    void endHook(RecorderHost& host);

    MacroEditor& editor_;
    bool hooked_ = false;
    bool everStarted_ = false;  // Stop before any recording only gets a warning
    bool eventRecorded_ = false;
    std::string lastPressed_;
    // The caption before the first recording, put back after each; an empty one too.
    std::optional<std::string> normalCaption_;
};

}  // namespace quorvel
