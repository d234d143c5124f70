// The Win32 host of a sub-dialog: its empty template run modally over the owner, the skinned
// background as page surface, presses and keys handed to the model.
#pragma once

#include <windows.h>

#include <string>

#include "app/modal_dialog.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/page_surface.h"
#include "ports/message_box.h"

namespace quorvel::win32 {

inline constexpr std::string_view kBackgroundErrorText = "error";

class SubDialogWindow final : public DialogWindow, public DialogControl {
  public:
    SubDialogWindow(HINSTANCE instance, ModalDialog& dialog, std::string skinDirectory,
                    MessageBoxPort& messages);

    // Owner disabled for the run; Cancel when the window could not be made at all.
    DialogEnd run(HWND owner);
    void endDialog(DialogEnd end) override;
    const PageSurface& surface() const { return surface_; }

  private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool preTranslateMessage(MSG& msg) override;
    void onCreated() override;

    bool onInitDialog(WPARAM, LPARAM, LRESULT& result);
    bool onEraseBackground(WPARAM, LPARAM, LRESULT& result);
    bool onLButtonDown(WPARAM, LPARAM, LRESULT& result);
    bool onCommand(WPARAM, LPARAM, LRESULT& result);
    bool onClose(WPARAM, LPARAM, LRESULT& result);
    friend struct SubDialogTable;

    HINSTANCE instance_;
    ModalDialog& dialog_;
    std::string skinDirectory_;
    MessageBoxPort& messages_;
    PageSurface surface_;
};

}  // namespace quorvel::win32
