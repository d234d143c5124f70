// The drop-down of a sub-dialog: a box that opens a list window below it; a click on the box
// toggles the list, a press anywhere else closes it, the pointer moving over it selects the
// entry under it, the wheel scrolls it and a chosen entry closes it. The owning dialog undoes
// whatever it did on opening each time the list closes.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "ui/controls_port.h"
#include "ui/geometry.h"

namespace quorvel {

struct DropDownLayout {
    int listId = 0;
    Rect box;   // the click area
    Rect list;  // the list window while open
};

struct ChosenEntry {
    int position = 0;
    std::string text;
};

// Entries scrolled per wheel notch.
inline constexpr int kWheelLinesPerNotch = 3;
inline constexpr int kWheelDeltaPerNotch = 120;

class DialogDropDown {
  public:
    explicit DialogDropDown(const DropDownLayout& layout) : layout_(layout) {}

    const DropDownLayout& layout() const { return layout_; }
    bool isOpen() const { return open_; }
    bool onBox(int x, int y) const { return layout_.box.contains(x, y); }
    // Outside both the box and the list: where a press closes an open list.
    bool outside(int x, int y) const { return !onBox(x, y) && !layout_.list.contains(x, y); }

    // Creates the list at its rectangle with the entries in order, unless it is there already.
    void open(ControlsPort& controls, std::span<const std::string> entries);
    // Destroys the list; false when it was not open (nothing to undo).
    bool close(ControlsPort& controls);
    // The pointer at (x, y) in the list's own client coordinates selects the entry there.
    void pointerOverList(ControlsPort& controls, int x, int y) const;
    // A selection change or double click: closes the list and gives the selected entry. With
    // no entry selected nothing changes and the list stays open.
    std::optional<ChosenEntry> choose(ControlsPort& controls);
    // Three entries a notch; a positive delta (wheel turned away from the user) scrolls up.
    void wheel(ControlsPort& controls, int delta);

  private:
    DropDownLayout layout_;
    bool open_ = false;
    int topEntry_ = 0;
};

}  // namespace quorvel
