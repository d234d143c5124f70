// One page of the main window as the window sees it. The window's fixed buttons come first;
// everything they leave goes to the page that is shown, which owns its areas, its hover marks,
// its drawing and its child windows.
#pragma once

#include <optional>

#include "ui/skinned_window.h"

namespace quorvel {

class Page {
  public:
    virtual ~Page() = default;

    // The page is shown: it draws itself from scratch over its background into the page
    // surface, nothing lit, and creates its child windows. Nothing is copied to the screen.
    virtual void paint(WindowContext& context) = 0;
    // Another page replaces it, or it is rebuilt: its child windows go, nothing stays lit.
    virtual void leave(WindowContext& context) = 0;

    // A left press the fixed buttons let through; false when no area of the page took it
    // (the window is then dragged).
    virtual bool press(int x, int y, WindowContext& context) = 0;

    // Hover over the page's own areas; the window copies to the screen once per update.
    virtual bool hoverableAt(int x, int y) const = 0;
    // Lights the area under the pointer; true when something was drawn.
    virtual bool rest(int x, int y, Canvas& canvas) = 0;
    // Every lit area back to normal; true when something was drawn.
    virtual bool clearHover(Canvas& canvas) = 0;

    // The page's child windows: only theirs reach the list, edit and colour calls below.
    virtual bool ownsControl(int id) const = 0;
    virtual void onListSelectionChange(int /*id*/, WindowContext&) {}
    virtual void onListDoubleClick(int /*id*/, WindowContext&) {}
    virtual void onEditChange(int /*id*/, WindowContext&) {}
    virtual std::optional<ColourAnswer> colourFor(int id, ControlKind kind) const = 0;

    // The pointer over a child window, in its client coordinates; the right button on one.
    virtual void onChildMouseMove(int /*id*/, int /*x*/, int /*y*/, WindowContext&) {}
    virtual void onChildRightButtonDown(int /*id*/, WindowContext&) {}
    // A key from the page's keyboard hook.
    virtual void onHookedKey(const HookedKey&, WindowContext&) {}
    // True when the page takes a key before the dialog manager sees it.
    virtual bool onKeyBeforeDialogManager(KeyPhase) { return false; }
};

}  // namespace quorvel
