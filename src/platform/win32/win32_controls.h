// The controls port over real child windows of one skinned window, by control identifier.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "platform/win32/fitting_font.h"
#include "platform/win32/unique_handle.h"
#include "ui/controls_port.h"

namespace quorvel::win32 {

class Win32Controls final : public ControlsPort {
  public:
    Win32Controls() = default;
    // The owner of every control; calls before it is set do nothing.
    void attach(HWND owner) { owner_ = owner; }
    // New statics and edits take this font (the window's text font); a static whose text is
    // too wide for it takes a smaller size of it.
    void setFont(HFONT font) { fitting_.setBase(font); }
    // The kind this port made the control as; empty for controls it did not make.
    std::optional<ControlKind> kindOf(int id) const;

    bool create(int id, ControlKind kind, Rect rect, std::string_view text) override;
    void destroy(int id) override;
    bool exists(int id) const override;
    void setVisible(int id, bool visible) override;

    std::optional<std::string> text(int id) const override;
    void setText(int id, std::string_view text) override;
    void redraw(int id) override;

    void addItem(int id, std::string_view text) override;
    void clearItems(int id) override;
    int itemCount(int id) const override;
    std::optional<std::string> itemText(int id, int index) const override;
    std::optional<int> selection(int id) const override;
    void setSelection(int id, int index) override;
    std::optional<int> itemAtPoint(int id, int x, int y) const override;
    std::optional<Rect> itemRect(int id, int index) const override;
    void scrollTo(int id, int index) override;

    void enable(int id, bool enabled) override;
    void focusWindow() override;
    std::optional<int> focusedControl() const override;

  private:
    HWND child(int id) const;
    // The list box with this identifier; nullptr for a missing control or one of another kind.
    HWND list(int id) const;

    // A static's font for its text: the text font, or a smaller size when the text is wider.
    void fitFont(HWND control, std::string_view text);

    HWND owner_ = nullptr;
    FittingFont fitting_;
    UniqueMemoryDc measuring_;
    std::map<int, ControlKind> kinds_;
};

}  // namespace quorvel::win32
