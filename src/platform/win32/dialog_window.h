// The dialog framework: one class per window, a constant message table per class, a modal
// run of its own so each window can pre-translate its messages.
#pragma once

#include <windows.h>

#include <span>

namespace quorvel::win32 {

// A message of the table and the member that handles it; `result` is the message's answer.
template <typename Window>
struct MessageEntry {
    UINT message;
    bool (Window::*handler)(WPARAM wParam, LPARAM lParam, LRESULT& result);
};

template <typename Window>
bool dispatchMessage(Window& window, std::span<const MessageEntry<Window>> table, UINT message,
                     WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const MessageEntry<Window>& entry : table) {
        if (entry.message == message)
            return (window.*entry.handler)(wParam, lParam, result);
    }
    return false;
}

class DialogWindow {
  public:
    DialogWindow() = default;
    virtual ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Creates the window from the dialog template and runs until endModal; the end code.
    INT_PTR runModal(HINSTANCE instance, int templateId, HWND owner);
    void endModal(INT_PTR code);
    HWND hwnd() const { return hwnd_; }

  protected:
    // True when the message was handled; `result` is then its answer.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // True when the message is consumed before it is dispatched.
    virtual bool preTranslateMessage(MSG&) { return false; }
    // After creation, before the loop: the dialog manager has shown a visible template.
    virtual void onCreated() {}

  private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool ended_ = false;
    INT_PTR endCode_ = 0;
};

}  // namespace quorvel::win32
