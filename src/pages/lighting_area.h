// The lighting area under "DPI Effect" on the basic page: the Mode, Parameter and Effect boxes
// with their value labels and drop-down lists, editing the lighting bytes of the record.
#pragma once

#include <cstdint>
#include <string>

#include "config/mouse_config.h"
#include "ui/canvas.h"
#include "ui/controls_port.h"
#include "ui/language_texts.h"

namespace quorvel {

namespace lighting_id {
inline constexpr int kModeList = 60;
inline constexpr int kParameterList = 61;
inline constexpr int kEffectList = 62;
inline constexpr int kModeLabel = 80;
inline constexpr int kParameterLabel = 81;
inline constexpr int kEffectLabel = 82;
}  // namespace lighting_id

// Names for the record's values in the window's language; empty for values without one.
std::string lightingModeName(const LanguageTexts& texts, std::uint8_t mode);
std::string lightingEffectName(const LanguageTexts& texts, std::uint8_t effect);

class LightingArea {
  public:
    LightingArea(MouseConfig& config, const LanguageTexts& texts)
        : config_(config), texts_(texts) {}

    // "Mode", "Parameter", "Effect" beside the boxes.
    void paintCaptions(Canvas& canvas, Colour textColour) const;
    // The value labels, with the page's other child windows; mode 0 shows only the mode label.
    void showLabels(ControlsPort& controls) const;

    // Before a press acts: each open list the press is outside of closes.
    void closeListsOutside(ControlsPort& controls, int x, int y);
    void clickMode(ControlsPort& controls);
    void clickParameter(ControlsPort& controls);
    void clickEffect(ControlsPort& controls);

    static bool ownsList(int id) {
        return id >= lighting_id::kModeList && id <= lighting_id::kEffectList;
    }
    static bool isValueLabel(int id) {
        return id >= lighting_id::kModeLabel && id <= lighting_id::kEffectLabel;
    }
    // A selection change or double click in one of the three lists.
    void choose(int listId, ControlsPort& controls);
    // The page is left: lists go, labels are hidden, marks are cleared.
    void hideAll(ControlsPort& controls);

    bool effectMarked() const { return effectMark_; }

  private:
    void chooseMode(int entry, ControlsPort& controls);
    void chooseParameter(int entry, ControlsPort& controls);
    void chooseEffect(int entry, ControlsPort& controls);
    void closeList(ControlsPort& controls, int id);

    MouseConfig& config_;
    const LanguageTexts& texts_;
    // The Effect box keeps its mark without a list in modes 1 and 2.
    bool effectMark_ = false;
};

}  // namespace quorvel
