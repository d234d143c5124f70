// The pattern every sub-dialog follows: the skin background sizes it, OK confirms, Cancel and
// the close button cancel, OK and Cancel light up as one group and close alone (on a rest of
// the pointer only), its own controls are white on dark grey, and a press on the background
// does not drag it. A dialog may have one drop-down box; the pattern runs its list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_drop_down.h"
#include "ui/canvas.h"
#include "ui/hover.h"
#include "ui/language_texts.h"
#include "ui/shared_ui_state.h"
#include "ui/skinned_window.h"

namespace quorvel {

// What every sub-dialog takes from the running program.
struct DialogLook {
    Language language = Language::English;
    Colour textColour = kWhite;  // the OK and Cancel captions
};

// The look as the program has it at this moment.
DialogLook dialogLookOf(const SharedUiState& shared);

// The sub-dialogs' controls: white on this grey, with a brush of it.
inline constexpr Colour kDialogControlGrey = rgbColour(40, 40, 40);

class SkinnedDialog : public SkinnedWindow {
  public:
    explicit SkinnedDialog(const DialogLook& look) : look_(look), hover_(kDialogButtons) {}

    void onPaint(WindowContext& context) final;
    void onPress(int x, int y, WindowContext& context) final;
    void onMouseMove(int x, int y, WindowContext& context) final;
    void onHover(int x, int y, WindowContext& context) final;
    void onMouseLeave(WindowContext& context) final;
    void onChildMouseMove(int controlId, int x, int y, WindowContext& context) override;
    void onMouseWheel(int delta, WindowContext& context) override;
    void onListSelectionChange(int controlId, WindowContext& context) override;
    void onListDoubleClick(int controlId, WindowContext& context) override;
    std::optional<ColourAnswer> colourFor(int controlId, ControlKind kind,
                                          WindowContext& context) override;
    // Enter keeps its standard meaning where a dialog does not take it as a key.
    void onOkRequest(WindowContext& context) override;

  protected:
    Language language() const { return look_.language; }
    Colour textColour() const { return look_.textColour; }
    std::string_view text(const TextRow& row) const;

    // The dialog's own texts over the background, below the shared buttons.
    virtual void paintContent(Canvas&) {}
    // A press that neither the list handling nor a shared button took.
    virtual void onAreaPress(int /*x*/, int /*y*/, WindowContext&) {}
    // OK was pressed: false keeps the dialog open (the dialog says why).
    virtual bool okAllowed(WindowContext&) { return true; }
    // OK was pressed and allowed; the run ends with OK right after.
    virtual void beforeOk(WindowContext&) {}

    // The dialog's drop-down, if it has one, and what its list holds when it opens.
    virtual DialogDropDown* dropDown() { return nullptr; }
    virtual std::vector<std::string> dropDownEntries() const { return {}; }
    virtual void beforeDropDownOpens(WindowContext&) {}
    // However the list closed: undo what opening did.
    virtual void afterDropDownCloses(WindowContext&) {}
    virtual void onDropDownChosen(const ChosenEntry&, WindowContext&) {}

  private:
    void paintButton(Canvas& canvas, std::size_t index, bool over) const;
    void paintHoverStep(const HoverStep& step, WindowContext& context) const;
    void closeDropDown(WindowContext& context);
    void toggleDropDown(WindowContext& context);
    void chooseFromDropDown(int controlId, WindowContext& context);

    DialogLook look_;
    Hover<DialogButton> hover_;
};

}  // namespace quorvel
