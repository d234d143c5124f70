// A sub-dialog as the shell runs it: a model on one of the empty dialog templates, with the
// skinned background and the OK, Cancel and close buttons every sub-dialog shares.
#pragma once

#include <string_view>

#include "dialogs/dialog_buttons.h"
#include "ui/skinned_window.h"

namespace quorvel {

// What a running sub-dialog can ask of its window.
class DialogControl {
  public:
    virtual ~DialogControl() = default;
    // Ends the run once the current message is handled.
    virtual void endDialog(DialogEnd end) = 0;
};

class ModalDialog {
  public:
    virtual ~ModalDialog() = default;
    virtual int templateId() const = 0;
    // Below the skin directory, e.g. "/single-key.png".
    virtual std::string_view backgroundImage() const = 0;
    // The caption of the "error" box when the background cannot be loaded.
    virtual std::string_view loadFailureCaption() const = 0;

    // The background is in place; not called when it could not be loaded.
    virtual void onInit(DialogControl&) {}
    // A press the dialog takes before the shared buttons see it (an open list); true if taken.
    virtual bool onPressFirst(int /*x*/, int /*y*/, DialogControl&) { return false; }
    // A press no shared button took.
    virtual void onPress(int /*x*/, int /*y*/, DialogControl&) {}
    // A key press before the dialog manager sees it; true when consumed (capture dialogs
    // take Enter and Escape as keys).
    virtual bool consumesKeyDown(unsigned /*virtualKey*/) { return false; }
    // Escape and the system close, unless consumed: cancelled. Only the OK button confirms.
    virtual void onCancelRequest(DialogControl& control) { control.endDialog(DialogEnd::Cancel); }
};

// A left-button press: the dialog's own first look, OK, Cancel or close, the dialog's areas.
inline void routeDialogPress(ModalDialog& dialog, DialogControl& control, int x, int y) {
    if (dialog.onPressFirst(x, y, control))
        return;
    const DispatchResult result = dispatchPress<DialogButton>(
        kDialogButtons, x, y,
        [&](DialogButton button) { control.endDialog(dialogEndFor(button)); });
    if (!result.hit)
        dialog.onPress(x, y, control);
}

}  // namespace quorvel
