// Child controls of a skinned window, addressed by control identifier: list boxes, static
// texts, edit boxes and colour swatches. The Win32 host implements it over real child windows;
// tests use fakes. Every call on an identifier that does not exist does nothing (or gives
// empty), so a model never has to ask first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/geometry.h"

namespace quorvel {

enum class ControlKind : std::uint8_t {
    List,          // WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY
    StaticText,    // WS_CHILD | WS_VISIBLE | SS_CENTER
    CentredLabel,  // WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE: centred both ways
    Edit,          // WS_CHILD | WS_VISIBLE | ES_CENTER, no border
    ColourSwatch,  // WS_CHILD | WS_VISIBLE | SS_CENTER, no text: its colour answer paints it
    LeftText,      // WS_CHILD | WS_VISIBLE | SS_LEFT
    NumberEdit,    // WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER, no border
    FramedNumber,  // WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_CENTER
};

class ControlsPort {
  public:
    virtual ~ControlsPort() = default;

    // A child control of the owning window at `rect` in the owner's client coordinates, with
    // `text` for statics and edits. False when it could not be created; an existing control
    // with the same identifier is left as it is and also gives false.
    virtual bool create(int id, ControlKind kind, Rect rect, std::string_view text = {}) = 0;
    bool createListBox(int id, Rect rect) { return create(id, ControlKind::List, rect); }
    // Destroys the control if it exists; otherwise does nothing.
    virtual void destroy(int id) = 0;
    virtual bool exists(int id) const = 0;
    // A hidden control keeps its content and takes no input; the keyboard focus leaves it for
    // the window. Pages hide theirs when left, since making them anew costs more than drawing
    // the page.
    virtual void setVisible(int id, bool visible) = 0;

    // The text of a static or edit; empty when the control does not exist.
    virtual std::optional<std::string> text(int id) const = 0;
    virtual void setText(int id, std::string_view text) = 0;
    // Repaints the control now (a swatch whose colour changed, a label whose text changed).
    virtual void redraw(int id) = 0;

    // List boxes. Appends an entry; ignored when the list does not exist.
    virtual void addItem(int id, std::string_view text) = 0;
    virtual void clearItems(int id) = 0;
    // 0 when the list does not exist.
    virtual int itemCount(int id) const = 0;
    // Empty when the list or the entry does not exist.
    virtual std::optional<std::string> itemText(int id, int index) const = 0;
    // The selected entry; empty when nothing is selected or the list does not exist.
    virtual std::optional<int> selection(int id) const = 0;
    // An index outside the list clears the selection.
    virtual void setSelection(int id, int index) = 0;
    // The entry at a point in the list's client coordinates (the entry nearest to it, as the
    // list box reports it); empty when the list does not exist or has no entries.
    virtual std::optional<int> itemAtPoint(int id, int x, int y) const = 0;
    // An entry's rectangle in the list's client coordinates; empty when it does not exist.
    virtual std::optional<Rect> itemRect(int id, int index) const = 0;
    // Scrolls so that the entry is the first one shown (as far as the list can scroll).
    virtual void scrollTo(int id, int index) = 0;

    // A disabled control takes no input and no focus.
    virtual void enable(int id, bool enabled) = 0;
    // Gives the keyboard focus to the window itself.
    virtual void focusWindow() = 0;
    // The control that has the keyboard focus; empty when it is the window or elsewhere.
    virtual std::optional<int> focusedControl() const = 0;
};

}  // namespace quorvel
