// The advanced settings page of the main window: the Windows pointer settings on the left,
// the macro editor with its recorder on the right. The main window hands it the calls of its
// host while the page is shown, and lights its buttons; the page draws over
// "/AdvancedSet2.png".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pages/advanced_page_areas.h"
#include "pages/macro_editor.h"
#include "pages/macro_recorder.h"
#include "pages/pointer_settings.h"
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

class AdvancedPage {
  public:
    explicit AdvancedPage(AdvancedPageServices services);

    // The page replaces the basic one: the first showing in a run reads the system's pointer
    // settings; the macro controls are created and filled from record.ini.
    void show(WindowContext& context);
    // Another page replaces it: its controls go, a recording stops.
    void leave(WindowContext& context);
    bool shown() const { return shown_; }

    // Everything of the page over its background, its buttons unlit.
    void paint(Canvas& canvas);

    // A left press the main window's own buttons did not take; false when nothing here took
    // it either (the window is then dragged).
    bool press(int x, int y, WindowContext& context);
    void act(const AdvancedAction& action, WindowContext& context);
    void childMouseMove(int controlId, int x, int y, WindowContext& context);
    void childRightButtonDown(int controlId, WindowContext& context);
    void listSelectionChange(int controlId, WindowContext& context);
    void listDoubleClick(int controlId, WindowContext& context);
    void editChange(int controlId, WindowContext& context);
    // True when the key is consumed: key-downs while recording.
    bool keyBeforeDialogManager(KeyPhase phase);
    void hookedKey(const HookedKey& key, WindowContext& context);
    std::optional<ColourAnswer> colourFor(int controlId) const;
    // The page's child windows, the drop-down's list among them.
    static bool ownsControl(int controlId);

    const MacroEditor& editor() const { return editor_; }
    bool recording() const { return recorder_.recording(); }

  private:
    class ContextRecorderHost;

    void notify(const std::optional<EditorNotice>& notice, WindowContext& context);
    RecorderTexts recorderTexts() const;
    Colour textColour() const;

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
    bool shown_ = false;
    bool pointerRead_ = false;  // the system's values were read in this run
};

}  // namespace quorvel
