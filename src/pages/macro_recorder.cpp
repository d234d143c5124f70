#include "pages/macro_recorder.h"

#include "macro/macro_item.h"

namespace quorvel {
namespace {

constexpr std::string_view kWarning = "Warning";
constexpr std::string_view kHookFailedPrefix = "JournalRecordHook Install error code :";

}  // namespace

void MacroRecorder::start(const RecorderTexts& texts) {
    if (editor_.macros().empty()) {
        host_.show(texts.nameBlank, kWarning);
        return;
    }
    host_.show(texts.startRecording, kAppTitle);
    endHook();
    editor_.clearItems();
    const HookInstall hook = host_.installKeyboardHook();
    if (!hook.installed) {
        host_.show(std::string(kHookFailedPrefix) + std::to_string(hook.errorCode) + "\n",
                   kAppTitle);
        return;
    }
    hooked_ = true;
    everStarted_ = true;
    eventRecorded_ = false;
    if (normalCaption_.empty())
        normalCaption_ = host_.caption();
    host_.setCaption(texts.pressCtrlBreak);
}

void MacroRecorder::stop(const RecorderTexts& texts) {
    endHook();
    host_.show(texts.stopRecording, kAppTitle);
    if (!everStarted_)
        host_.show(texts.notRecording, kWarning);
}

void MacroRecorder::leavePage() {
    endHook();
}

void MacroRecorder::endHook() {
    if (!hooked_)
        return;
    host_.removeKeyboardHook();
    hooked_ = false;
    // The caption told how to stop; once stopped it would mislead.
    if (!normalCaption_.empty())
        host_.setCaption(normalCaption_);
}

void MacroRecorder::onKeystroke(const Keystroke& keystroke) {
    if (!hooked_)
        return;
    const std::string_view name = keyNameFromScanCode(keystroke.scanCode, keystroke.extended);
    const bool sameKey = name == lastPressed_;
    if (keystroke.released) {
        // A release always has the previous-state bit set, so every release is reported.
        if (!(sameKey && !keystroke.wasDown))
            report(MacroKeyEvent::Release, name);
    } else if (!(sameKey && keystroke.wasDown)) {
        report(MacroKeyEvent::Press, name);  // else an auto-repeat of the held key
    }
}

void MacroRecorder::report(MacroKeyEvent event, std::string_view keyName) {
    if (!editor_.selectedMacro())
        return;
    const std::string delay = delayItem(kRecordedDelay);
    if (event == MacroKeyEvent::Press) {
        if (eventRecorded_)
            editor_.appendItem(delay);
        editor_.appendItem(pressItem(keyName));
        lastPressed_ = std::string(keyName);
    } else {
        editor_.appendItem(delay);
        editor_.appendItem(releaseItem(keyName));
    }
    // A recording that starts with a release keeps events and delays alternating too.
    eventRecorded_ = true;
}

}  // namespace quorvel
