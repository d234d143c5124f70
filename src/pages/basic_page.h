// The basic settings page of the main window: six key boxes with their lists in two modes,
// the key restore, the report rate, four DPI stages (tick, colour, level) and the lighting
// area. Every edit changes the record at once and redraws only what it changed.
#pragma once

#include <array>
#include <optional>

#include "config/settings_file.h"
#include "dialogs/key_dialogs.h"
#include "pages/basic_page_areas.h"
#include "pages/lighting_area.h"
#include "pages/page.h"
#include "ui/hover.h"
#include "ui/language_texts.h"
#include "ui/shared_ui_state.h"
#include "ui/skinned_window.h"

namespace quorvel {

// The labels a first run and "Default" give: functions 0 to 4, "DPI Loop", "Key Off".
ButtonLabels defaultLabelTexts(const LanguageTexts& texts);

inline constexpr int kFirstSwatchId = 71;  // stage c has 70 + c

struct BasicPageEnv {
    SharedUiState& shared;
    const LanguageTexts& texts;
    ButtonLabels& labels;
    KeyDialogPort& keyDialogs;
};

class BasicPage final : public Page {
  public:
    explicit BasicPage(BasicPageEnv env);

    // Draws the whole page over its background (the window's own buttons are not the page's)
    // and creates the page's child windows if they are missing.
    void paint(WindowContext& context) override;
    // Its lists go, its other child windows are hidden until the page shows again, marks
    // are cleared.
    void leave(WindowContext& context) override;
    // Lists the press is outside of close, then the first area hit acts.
    bool press(int x, int y, WindowContext& context) override;

    bool hoverableAt(int x, int y) const override;
    bool rest(int x, int y, Canvas& canvas) override;
    bool clearHover(Canvas& canvas) override;

    bool ownsControl(int id) const override;
    // A selection change or a double click in a list chooses alike.
    void onListSelectionChange(int id, WindowContext& context) override;
    void onListDoubleClick(int id, WindowContext& context) override {
        onListSelectionChange(id, context);
    }
    std::optional<ColourAnswer> colourFor(int id, ControlKind kind) const override;
    // An open key list follows the pointer and opens the DPI sub-list beside "DPI Switch";
    // the sub-list follows it too.
    void onChildMouseMove(int id, int x, int y, WindowContext& context) override;

  private:
    MouseConfig& config() { return env_.shared.records.live; }
    const MouseConfig& config() const { return env_.shared.records.live; }
    Colour textColour() const;

    void act(const BasicAction& action, WindowContext& context);
    void closeListsOutside(ControlsPort& controls, int x, int y);
    void clickKeyBox(int button, WindowContext& context);
    void selectMode(Mode mode, Canvas& canvas);
    void restoreKeys(Canvas& canvas);
    void clickReportRate(int segment, Canvas& canvas);
    void clickStageTick(int stage, Canvas& canvas);
    void clickSwatch(int stage, WindowContext& context);
    void clickLevel(int stage, int level, Canvas& canvas);

    void paintKeyBox(Canvas& canvas, int button, bool over) const;
    void paintKeyBoxes(Canvas& canvas) const;
    void paintModeButtons(Canvas& canvas) const;
    void paintKeyRestore(Canvas& canvas, bool over) const;
    void paintStage(Canvas& canvas, int stage, int lit) const;
    void paintArea(Canvas& canvas, std::size_t index, bool over) const;
    void createChildren(ControlsPort& controls) const;

    BasicPageEnv env_;
    LightingArea lighting_;
    Hover<BasicAction> hover_;
};

}  // namespace quorvel
