// The main window's surface as the pointer meets it: the fixed buttons of both pages, then the
// page that is shown. One click dispatch, one set of hover marks for the fixed buttons, and
// everything the page's child windows and the recorder's keyboard hook report, handed to the
// page that is shown.
#pragma once

#include <functional>
#include <optional>

#include "app/fixed_buttons.h"
#include "pages/advanced_page.h"
#include "pages/basic_page.h"
#include "pages/page.h"
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
    PageState shown() const { return shown_; }

    // The page becomes the shown one and is drawn from scratch with the fixed buttons; nothing
    // lit. Copies to the screen. The page shown before must have been left.
    void show(PageState page, WindowContext& context);
    // The shown page is left: its child windows go, a recording stops, nothing stays lit.
    void leave(WindowContext& context);

    // A left-button press. `perform` acts for a fixed button; the table decides whether the
    // tests go on after it. A press no area takes drags the window.
    void press(int x, int y, WindowContext& context,
               const std::function<void(FixedButton)>& perform);

    // Pointer movement: over anything that lights up, ask to hear when the pointer rests;
    // elsewhere every lit control goes back to normal in one update.
    void move(int x, int y, WindowContext& context);
    void rest(int x, int y, WindowContext& context);
    // The pointer left the window (or went onto a child window), or a dialog opened over it:
    // everything lit goes back to normal in one update.
    void pointerLeft(WindowContext& context);

    void onListSelectionChange(int id, WindowContext& context);
    void onListDoubleClick(int id, WindowContext& context);
    void onEditChange(int id, WindowContext& context);
    void onChildMouseMove(int id, int x, int y, WindowContext& context);
    void onChildRightButtonDown(int id, WindowContext& context);
    void onHookedKey(const HookedKey& key, WindowContext& context);
    // True when the page takes the key: key-downs while a macro is recorded.
    bool onKeyBeforeDialogManager(KeyPhase phase);
    std::optional<ColourAnswer> colourFor(int id, ControlKind kind) const;

  private:
    // The one place that knows which page a kind names; none before the first showing.
    Page* page();
    const Page* page() const;
    Colour textColour() const;
    void paintFixed(Canvas& canvas, std::size_t index, bool over) const;
    // The page's control asked: none when no page is shown or the control is not the page's.
    Page* owner(int id);

    BasicPageEnv env_;
    BasicPage basic_;
    AdvancedPage advanced_;
    PageState shown_ = PageState::None;
    Hover<FixedButton> fixedHover_;
};

}  // namespace quorvel
