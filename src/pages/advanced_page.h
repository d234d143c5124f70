// The advanced settings page of the main window: the Windows pointer settings on the left,
// the macro editor with its recorder on the right, drawn over "/AdvancedSet2.png".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pages/advanced_page_areas.h"
#include "pages/macro_editor.h"
#include "pages/macro_recorder.h"
#include "pages/page.h"
#include "pages/pointer_settings.h"
#include "ui/hover.h"
#include "ui/language_texts.h"
#include "ui/shared_ui_state.h"
#include "ui/skinned_window.h"

namespace quorvel {

// The window's caption, which tells how to stop while a recording runs.
class WindowCaptionPort {
  public:
    virtual ~WindowCaptionPort() = default;
    virtual std::string caption() const = 0;
    virtual void setCaption(std::string_view text) = 0;
};

// The popup menu of the key press sequence: true when its one item was chosen.
class ItemMenuPort {
  public:
    virtual ~ItemMenuPort() = default;
    virtual bool chooseItemMenu(std::string_view itemText) = 0;
};

struct AdvancedPageServices {
    SharedUiState& shared;
    const LanguageTexts& texts;
    SystemPointerPort& pointer;
    MacroLibrary& library;
    DelayDialogPort& delay;
    WindowCaptionPort& caption;
    ItemMenuPort& itemMenu;
};

class AdvancedPage final : public Page {
  public:
    explicit AdvancedPage(AdvancedPageServices services);

    // The page replaces the basic one: the first showing in a run reads the system's pointer
    // settings; the macro controls are created and filled from record.ini.
    void paint(WindowContext& context) override;
    // Its controls go, a recording stops.
    void leave(WindowContext& context) override;
    bool shown() const { return shown_; }

    bool press(int x, int y, WindowContext& context) override;

    bool hoverableAt(int x, int y) const override;
    bool rest(int x, int y, Canvas& canvas) override;
    bool clearHover(Canvas& canvas) override;

    // The page's child windows, the drop-down's list among them.
    bool ownsControl(int controlId) const override;
    void onListSelectionChange(int controlId, WindowContext& context) override;
    void onListDoubleClick(int controlId, WindowContext& context) override;
    void onEditChange(int controlId, WindowContext& context) override;
    std::optional<ColourAnswer> colourFor(int controlId, ControlKind kind) const override;
    void onChildMouseMove(int controlId, int x, int y, WindowContext& context) override;
    void onChildRightButtonDown(int controlId, WindowContext& context) override;
    void onHookedKey(const HookedKey& key, WindowContext& context) override;
    // Key-downs while recording.
    bool onKeyBeforeDialogManager(KeyPhase phase) override;

    const MacroEditor& editor() const { return editor_; }
    bool recording() const { return recorder_.recording(); }

  private:
    class ContextRecorderHost;

    void act(const AdvancedAction& action, WindowContext& context);
    void notify(const std::optional<EditorNotice>& notice, WindowContext& context);
    RecorderTexts recorderTexts() const;
    Colour textColour() const;

    void paintArea(Canvas& canvas, std::size_t index, bool over) const;
    void paintPointerHalf(Canvas& canvas);
    void paintMacroHalf(Canvas& canvas);
    void paintTicks(Canvas& canvas);
    void paintSliders(Canvas& canvas);

    // The controls show what the editor holds.
    void createControls(ControlsPort& controls);
    void syncControls(ControlsPort& controls);
    void syncFields(ControlsPort& controls);
    void syncSequence(ControlsPort& controls);
    void syncDropDown(ControlsPort& controls);

    AdvancedPageServices services_;
    MacroEditor editor_;
    MacroRecorder recorder_;
    Hover<AdvancedAction> hover_;
    bool shown_ = false;
    bool pointerRead_ = false;  // the system's values were read in this run
};

}  // namespace quorvel
