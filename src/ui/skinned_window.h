// A skinned window as the host sees it: a model that paints itself from skin images, takes
// presses and pointer movements on its fixed areas and hears from its child controls. The
// host (one for every window, main or sub-dialog) turns system messages into these calls and
// lends the model a context to act through. A model never sees a window handle, and the host
// never learns which window it runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ports/message_box.h"
#include "ui/canvas.h"
#include "ui/controls_port.h"

namespace quorvel {

// The end of a modal run; the caller reads the dialog's results only after Ok.
enum class DialogEnd : int { Ok = 1, Cancel = 2 };

// What a hover request asks for: sub-dialogs want the rest only, the main window also the
// pointer leaving.
enum class HoverRequest : std::uint8_t { RestOnly, RestAndLeave };

// A keystroke as the keyboard hook sees it; the program names it with its own key table.
struct HookedKey {
    std::uint16_t scanCode = 0;
    bool extended = false;
    bool released = false;
    bool wasDown = false;  // the key was down before this message (an auto-repeat or release)
};

struct HookInstall {
    bool installed = false;
    std::uint32_t errorCode = 0;  // the system's reason when it refused
};

enum class KeyPhase : std::uint8_t { Down, Up };
// The system's virtual-key codes a window answers before its dialog manager does.
inline constexpr unsigned kVirtualKeyEnter = 13;
inline constexpr unsigned kVirtualKeyEscape = 27;

// How a child control asking for its colours is painted; empty `textBackground` draws the
// text transparently. The host keeps one brush of `brush` at a time.
struct ColourAnswer {
    Colour text{};
    std::optional<Colour> textBackground;
    Colour brush{};
    bool textFont = false;  // select the window's text font into the control's context
};

// What a model can ask of its window while it handles a call.
class WindowContext {
  public:
    virtual ~WindowContext() = default;
    // The page surface. Drawing goes there; copyToScreen shows it.
    virtual Canvas& canvas() = 0;
    virtual ControlsPort& controls() = 0;
    virtual MessageBoxPort& messages() = 0;
    // Ends a modal run once the current message is handled; a modeless window ignores it.
    virtual void endModal(DialogEnd end) = 0;
    // Starts moving the window with the pointer, from a press at (x, y).
    virtual void dragWindow(int x, int y) = 0;
    // Asks to hear onHover when the pointer rests (and onMouseLeave when asked for).
    virtual void trackHover(HoverRequest request) = 0;
    // A keyboard hook on the user-interface thread; the window hears onHookedKey. Installing
    // again while installed keeps the one hook.
    virtual HookInstall installKeyboardHook() = 0;
    virtual void removeKeyboardHook() = 0;
    // The system's colour dialog, started at `initial`; empty when it was cancelled. Only the
    // skin chooser asks, so a window that never shows one need not offer it.
    virtual std::optional<Colour> chooseColour(Colour /*initial*/) { return std::nullopt; }
};

class SkinnedWindow {
  public:
    virtual ~SkinnedWindow() = default;

    // The host's window template: its style and frame (the size comes from the background).
    virtual int templateId() const = 0;
    // Below the skin directory, e.g. "/single-key.png".
    virtual std::string_view backgroundImage() const = 0;
    // A modal run whose background cannot be loaded shows the text "error" with this caption
    // and ends cancelled. Empty: no message (the main window stays, without a page surface).
    virtual std::string_view loadFailureCaption() const { return {}; }

    // The background is in place (not called after a failed modal load): texts, controls, hook.
    virtual void onInit(WindowContext&) {}
    // Draw everything over the background into the canvas; the host copies it to the screen.
    virtual void onPaint(WindowContext&) {}

    // Left button down in client coordinates.
    virtual void onPress(int /*x*/, int /*y*/, WindowContext&) {}
    virtual void onMouseMove(int /*x*/, int /*y*/, WindowContext&) {}
    // The pointer rested at (x, y) after a trackHover request.
    virtual void onHover(int /*x*/, int /*y*/, WindowContext&) {}
    virtual void onMouseLeave(WindowContext&) {}
    // The pointer moved over a child control, in the control's client coordinates (an open
    // list selects the entry under the pointer).
    virtual void onChildMouseMove(int /*controlId*/, int /*x*/, int /*y*/, WindowContext&) {}
    // The right button went down over a child control (a list's item menu).
    virtual void onChildRightButtonDown(int /*controlId*/, WindowContext&) {}
    // One wheel message; a positive delta turned the wheel away from the user.
    virtual void onMouseWheel(int /*delta*/, WindowContext&) {}

    virtual void onListSelectionChange(int /*controlId*/, WindowContext&) {}
    virtual void onListDoubleClick(int /*controlId*/, WindowContext&) {}
    virtual void onEditChange(int /*controlId*/, WindowContext&) {}
    virtual void onEditKillFocus(int /*controlId*/, WindowContext&) {}

    // A key message for this window or its controls before the dialog manager sees it; true
    // when consumed (capture dialogs take Enter and Escape as keys).
    virtual bool onKeyBeforeDialogManager(unsigned /*virtualKey*/, KeyPhase, WindowContext&) {
        return false;
    }
    virtual void onHookedKey(const HookedKey&, WindowContext&) {}

    // The colours of a child control that asks; empty gives the system's default answer.
    virtual std::optional<ColourAnswer> colourFor(int /*controlId*/, ControlKind, WindowContext&) {
        return std::nullopt;
    }

    // The system's own calls of a window: a popup menu's command, the non-client area about
    // to be painted (true: the window hid instead, nothing is painted), the window going.
    virtual void onMenuCommand(int /*command*/, WindowContext&) {}
    virtual bool onNonClientPaint(WindowContext&) { return false; }
    virtual void onDestroy(WindowContext&) {}

    // What only a window in the tray hears: the icon's mouse message (the system's button
    // message number), the shell restarted without the icon, a notice of the mouse, a device
    // interface arriving or going (the system's event and broadcast type, the interface name).
    virtual void onTrayNotify(unsigned /*mouseMessage*/, WindowContext&) {}
    virtual void onShellRestart(WindowContext&) {}
    virtual void onNotice(long /*kind*/, long /*value*/, WindowContext&) {}
    virtual void onDeviceChange(std::uint32_t /*event*/, std::uint32_t /*deviceType*/,
                                std::string_view /*name*/, WindowContext&) {}

    // Escape through the dialog manager and the system close. Only the OK button confirms.
    virtual void onCancelRequest(WindowContext& context) { context.endModal(DialogEnd::Cancel); }
    // Enter through the dialog manager: nothing unless the window says so.
    virtual void onOkRequest(WindowContext&) {}
};

}  // namespace quorvel
