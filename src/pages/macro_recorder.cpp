#include "pages/macro_recorder.h"

#include "keys/scan_code_names.h"
#include "macro/macro_item.h"
#include "ports/message_box.h"

namespace quorvel {
namespace {

constexpr std::string_view kHookFailedPrefix = "JournalRecordHook Install error code :";

}  // namespace

void MacroRecorder::start(RecorderHost& host, const RecorderTexts& texts) {
    if (editor_.macros().empty()) {
        host.show(texts.nameBlank, kWarningCaption);
        return;
    }
    host.show(texts.startRecording, kAppTitle);
    endHook(host);
    editor_.clearItems();
    const HookInstall hook = host.installKeyboardHook();
    if (!hook.installed) {
        host.show(std::string(kHookFailedPrefix) + std::to_string(hook.errorCode) + "\n",
                  kAppTitle);
        return;
    }
    hooked_ = true;
    everStarted_ = true;
    eventRecorded_ = false;
    if (!normalCaption_)
        normalCaption_ = host.caption();
    host.setCaption(texts.pressCtrlBreak);
}

void MacroRecorder::stop(RecorderHost& host, const RecorderTexts& texts) {
    endHook(host);
    host.show(texts.stopRecording, kAppTitle);
    if (!everStarted_)
        host.show(texts.notRecording, kWarningCaption);
}

void MacroRecorder::leavePage(RecorderHost& host) {
    endHook(host);
}

void MacroRecorder::endHook(RecorderHost& host) {
    if (!hooked_)
        return;
    host.removeKeyboardHook();
    hooked_ = false;
    // The caption told how to stop; once stopped it would mislead.
    if (normalCaption_)
        host.setCaption(*normalCaption_);
}

void MacroRecorder::onKeystroke(const HookedKey& keystroke) {
    if (!hooked_)
        return;
    const std::string_view name =
        keyNameFromScanCode(static_cast<std::uint8_t>(keystroke.scanCode), keystroke.extended);
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
