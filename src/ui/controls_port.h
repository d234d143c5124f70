// Child controls of a window, addressed by control identifier. The Win32 side implements it
// with list-box messages; tests and the simulator use fakes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/geometry.h"

namespace quorvel {

class ControlsPort {
  public:
    virtual ~ControlsPort() = default;

    // A child list box of the owning window (WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY)
    // at `rect` in the owner's client coordinates. False when it could not be created; an
    // existing control with the same identifier is left as it is and also gives false.
    virtual bool createListBox(int id, Rect rect) = 0;
    // Destroys the control if it exists; otherwise does nothing.
    virtual void destroy(int id) = 0;
    virtual bool exists(int id) const = 0;

    // Appends an entry to a list box; ignored when the list does not exist.
    virtual void addItem(int id, std::string_view text) = 0;
    // Empty when the list or the entry does not exist.
    virtual std::optional<std::string> itemText(int id, int index) const = 0;
    // The selected entry; empty when nothing is selected or the list does not exist.
    virtual std::optional<int> selection(int id) const = 0;
    virtual void setSelection(int id, int index) = 0;
    // The entry at a point in the list's client coordinates (the entry nearest to it, as the
    // list box reports it); empty when the list does not exist or has no entries.
    virtual std::optional<int> itemAtPoint(int id, int x, int y) const = 0;
    // An entry's rectangle in the list's client coordinates; empty when it does not exist.
    virtual std::optional<Rect> itemRect(int id, int index) const = 0;
};

}  // namespace quorvel
