// The one Win32 host of every skinned window: the main window (run without an owner, the tray
// and device-change glue beside it as an extension) and each sub-dialog (run modally over a
// disabled owner). It turns messages into calls on the model and is the model's context:
// page surface and canvas, child controls, fonts, hover tracking, the keyboard hook, colour
// answers with one owned brush.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/win32/keyboard_hook.h"
#include "platform/win32/page_canvas.h"
#include "platform/win32/page_surface.h"
#include "platform/win32/skin_drawing.h"
#include "platform/win32/skin_fonts.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_controls.h"
#include "ui/image_cache.h"
#include "ui/shared_ui_state.h"
#include "ui/skinned_window.h"
#include "ui/window_drag.h"

namespace quorvel::win32 {

inline constexpr std::string_view kBackgroundErrorText = "error";

// Window glue that runs beside the host for one window (the main window's tray, device
// changes, icon); it sees each message before the host.
class HostExtension {
  public:
    virtual ~HostExtension() = default;
    // True when handled; `result` is then the answer and the host does not see it.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // After creation, before the message loop.
    virtual void onCreated() {}
};

class SkinnedHost final : public WindowContext, private HookedKeySink {
  public:
    // `shared` gives the skin directory and language when the window starts.
    SkinnedHost(HINSTANCE instance, SkinnedWindow& model, const SharedUiState& shared,
                MessageBoxPort& messages, HostExtension* extension = nullptr);
    ~SkinnedHost() override;
    SkinnedHost(const SkinnedHost&) = delete;
    SkinnedHost& operator=(const SkinnedHost&) = delete;

    // A sub-dialog: the owner is disabled for the run. Cancel when the window could not be made.
    DialogEnd runModalOver(HWND owner);
    // The main window: runs until the window is destroyed.
    void runMain();

    // For a model that learns its background only while it starts (the main window): loads
    // it, sizes the window to it and makes it the page surface. False on a failed load, which
    // leaves the window 0 x 0 without a surface.
    bool adoptBackground(const std::string& imagePath);
    void createFonts(std::string_view languageCode);
    const PageSurface& surface() const { return surface_; }
    HWND hwnd() const { return hwnd_; }

    // WindowContext
    Canvas& canvas() override;
    ControlsPort& controls() override { return controls_; }
    MessageBoxPort& messages() override { return messages_; }
    void endModal(DialogEnd end) override;
    void dragWindow(int x, int y) override;
    void trackHover(HoverRequest request) override;
    HookInstall installKeyboardHook() override;
    void removeKeyboardHook() override;
    std::optional<Colour> chooseColour(Colour initial) override;

  private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Creates the window from the model's dialog template and runs until the run ends (a
    // modal end, or the window destroyed); the end code, -1 when no window was made.
    INT_PTR runLoop(HWND owner);
    // True when the message was handled; `result` is then its answer.
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // True when the message is consumed before it is dispatched.
    bool preTranslateMessage(MSG& msg);
    void onCreated();
    void hookedKey(const HookedKey& key) override;

    void onInitDialog();
    bool onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onColourRequest(UINT message, HDC dc, HWND control);
    void onDestroy();
    void onPress(LPARAM lParam);
    // True when the move belonged to a drag (it then lights nothing).
    bool dragMove(WPARAM wParam, LPARAM lParam);
    void endDrag();

    HINSTANCE instance_;
    SkinnedWindow& model_;
    const SharedUiState& shared_;
    MessageBoxPort& messages_;
    HostExtension* extension_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR endCode_ = 0;
    PageSurface surface_;
    SkinFonts fonts_;
    Win32SkinImageDecoder decoder_;
    SkinImageCache cache_;
    std::unique_ptr<PageCanvas> canvas_;
    Win32Controls controls_;
    KeyboardHook hook_;
    WindowDrag drag_;
    // While a left-button press is handled and nothing (a dialog, a message box) has taken
    // the message loop since: only then may the press start a drag.
    bool pressInHand_ = false;
    // The brush of the last colour answer; replaced by the next one, released with the window.
    UniqueBrush brush_;
};

}  // namespace quorvel::win32
