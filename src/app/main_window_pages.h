// The main window's surface as the pointer meets it: the fixed buttons of both pages, then the
// page that is shown. One click dispatch, one set of hover marks, and everything the page's
// child windows and the recorder's keyboard hook report, handed to the page that is shown.
#pragma once

#include <functional>
#include <optional>

#include "app/fixed_buttons.h"
#include "pages/advanced_page.h"
#include "pages/basic_page.h"
#include "ui/hover.h"
#include "ui/language_texts.h"
#include "ui/shared_ui_state.h"
#include "ui/skinned_window.h"

namespace quorvel {

class MainWindowPages {
  public:
    MainWindowPages(BasicPageEnv env, AdvancedPageServices advanced);

    BasicPage& basic() { return basic_; }
    AdvancedPage& advanced() { return advanced_; }
    const AdvancedPage& advanced() const { return advanced_; }

    // The fixed buttons, normal, with their captions (both pages show them).
    void paintFixedButtons(Canvas& canvas) const;
    // The page drawn from scratch; nothing lit. Copies to the screen. The advanced page's first
    // showing reads the system's pointer settings; each showing fills its lists anew.
    void paint(PageState page, WindowContext& context);

    // A left-button press. `perform` acts for a fixed button; the table decides whether the
    // tests go on after it. A press no area takes drags the window.
    void press(PageState page, int x, int y, WindowContext& context,
               const std::function<void(FixedButton)>& perform);

    // Pointer movement: over anything that lights up, ask to hear when the pointer rests;
    // elsewhere every lit control goes back to normal in one update.
    void move(PageState page, int x, int y, WindowContext& context);
    void rest(PageState page, int x, int y, WindowContext& context);
    // The pointer left the window (or went onto a child window), or a dialog opened over it:
    // everything lit goes back to normal in one update.
    void pointerLeft(WindowContext& context);

    // The page is left or rebuilt: its child windows go, a recording stops, nothing stays lit.
    void leave(PageState page, WindowContext& context);

    // A selection change in one of the page's lists.
    void onListChoice(PageState page, int id, WindowContext& context);
    void onListDoubleClick(PageState page, int id, WindowContext& context);
    void onEditChange(PageState page, int id, WindowContext& context);
    void onChildMouseMove(PageState page, int id, int x, int y, WindowContext& context);
    void onChildRightButtonDown(PageState page, int id, WindowContext& context);
    void onHookedKey(PageState page, const HookedKey& key, WindowContext& context);
    // True when the page takes the key: key-downs while a macro is recorded.
    bool takesKey(PageState page, KeyPhase phase);
    std::optional<ColourAnswer> colourFor(PageState page, int id, ControlKind kind) const;

  private:
    Colour textColour() const;
    void paintFixed(Canvas& canvas, std::size_t index, bool over) const;
    void paintAdvancedArea(Canvas& canvas, std::size_t index, bool over) const;
    bool pageHoverableAt(PageState page, int x, int y) const;
    // True when something of the page went back to normal.
    bool clearPageHover(Canvas& canvas);

    BasicPageEnv env_;
    BasicPage basic_;
    AdvancedPage advanced_;
    Hover<FixedButton> fixedHover_;
    Hover<AdvancedAction> advancedHover_;
};

}  // namespace quorvel
