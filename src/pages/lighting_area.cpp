#include "pages/lighting_area.h"

#include <array>
#include <span>

#include "pages/basic_page_areas.h"
#include "pages/lighting_texts.h"

namespace quorvel {
namespace {

constexpr Rect kModeListArea{766, 347, 851, 407};
constexpr Rect kEffectListArea{766, 407, 851, 447};
constexpr Rect kModeLabelRect{767, 330, 835, 344};
constexpr Rect kParameterLabelRect{767, 360, 835, 374};
constexpr Rect kEffectLabelRect{767, 390, 835, 404};
constexpr int kCaptionWidth = 60;
constexpr int kCaptionGap = 10;

constexpr std::array<TextId, 4> kModeNames = {TextId::Off, TextId::Standard, TextId::Respiration,
                                              TextId::Neon};
constexpr std::array<TextId, 4> kEffectNames = {TextId::NonDisolay, TextId::RGBEffect,
                                                TextId::RGBFlash, TextId::RGBFixedOn};
// "Off" is not offered: entry a sets mode a + 1.
constexpr std::uint8_t kFirstModeEntry = static_cast<std::uint8_t>(LightingMode::Standard);
constexpr std::span<const TextId> kModeEntries = std::span(kModeNames).subspan(kFirstModeEntry);
// Neon only: entry a stores effect a + kNeonEffectFirst.
constexpr std::span<const TextId> kNeonEffectEntries =
    std::span(kEffectNames).subspan(kNeonEffectFirst, kNeonEffectLast - kNeonEffectFirst + 1);

Rect captionRect(const Rect& box) {
    return {box.left - kCaptionGap - kCaptionWidth, box.top, box.left - kCaptionGap, box.bottom};
}

bool inside(const Rect& box, const Rect& area, int x, int y) {
    return box.contains(x, y) || area.contains(x, y);
}

std::uint8_t effectOfMode(const MouseConfig& config, std::uint8_t mode) {
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            return config.standardEffect();
        case LightingMode::Respiration:
            return config.respirationEffect();
        default:
            return config.neonEffect();
    }
}

std::uint8_t parameterOfMode(const MouseConfig& config, std::uint8_t mode) {
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            return config.standardParameter();
        case LightingMode::Respiration:
            return config.respirationParameter();
        default:
            return config.neonParameter();
    }
}

bool modeWithParameters(std::uint8_t mode) {
    return mode >= static_cast<std::uint8_t>(LightingMode::Standard) &&
           mode <= static_cast<std::uint8_t>(LightingMode::Neon);
}

}  // namespace

std::string lightingModeName(const LanguageTexts& texts, std::uint8_t mode) {
    return mode < kModeNames.size() ? std::string(texts.text(kModeNames[mode])) : std::string();
}

std::string lightingEffectName(const LanguageTexts& texts, std::uint8_t effect) {
    return effect < kEffectNames.size() ? std::string(texts.text(kEffectNames[effect]))
                                        : std::string();
}

void LightingArea::paintCaptions(Canvas& canvas, Colour textColour) const {
    const std::array<std::pair<TextId, Rect>, 3> captions = {{
        {TextId::Mode, kLightingModeBox},
        {TextId::Parameter, kLightingParameterBox},
        {TextId::Effect, kLightingEffectBox},
    }};
    for (const auto& [text, box] : captions) {
        canvas.drawText(texts_.text(text), captionRect(box), TextPlacement::Right, FontRole::Text,
                        textColour);
    }
}

namespace {

// Made the first time, shown again with its new text after that.
void showLabel(ControlsPort& controls, int id, const Rect& rect, std::string_view text) {
    if (!controls.create(id, ControlKind::CentredLabel, rect, text))
        controls.setText(id, text);
    controls.setVisible(id, true);
}

}  // namespace

void LightingArea::showLabels(ControlsPort& controls) const {
    const std::uint8_t mode = config_.lightingMode();
    showLabel(controls, lighting_id::kModeLabel, kModeLabelRect, lightingModeName(texts_, mode));
    if (!modeWithParameters(mode)) {
        controls.setVisible(lighting_id::kParameterLabel, false);
        controls.setVisible(lighting_id::kEffectLabel, false);
        return;
    }
    showLabel(controls, lighting_id::kParameterLabel, kParameterLabelRect,
              parameterText(mode, parameterOfMode(config_, mode)));
    showLabel(controls, lighting_id::kEffectLabel, kEffectLabelRect,
              lightingEffectName(texts_, effectOfMode(config_, mode)));
}

void LightingArea::closeListsOutside(ControlsPort& controls, int x, int y) {
    const std::uint8_t mode = config_.lightingMode();
    if (!inside(kLightingModeBox, kModeListArea, x, y))
        controls.destroy(lighting_id::kModeList);
    if (!inside(kLightingParameterBox, parameterListRect(mode), x, y))
        controls.destroy(lighting_id::kParameterList);
    if (!inside(kLightingEffectBox, kEffectListArea, x, y) &&
        controls.exists(lighting_id::kEffectList)) {
        controls.destroy(lighting_id::kEffectList);
        effectMark_ = false;
    }
}

void LightingArea::clickMode(ControlsPort& controls) {
    if (controls.exists(lighting_id::kModeList)) {
        controls.destroy(lighting_id::kModeList);
        return;
    }
    if (!controls.create(lighting_id::kModeList, ControlKind::List, kModeListArea))
        return;
    for (TextId entry : kModeEntries)
        controls.addItem(lighting_id::kModeList, texts_.text(entry));
}

void LightingArea::clickParameter(ControlsPort& controls) {
    if (controls.exists(lighting_id::kParameterList)) {
        controls.destroy(lighting_id::kParameterList);
        return;
    }
    const std::uint8_t mode = config_.lightingMode();
    if (!controls.create(lighting_id::kParameterList, ControlKind::List, parameterListRect(mode)))
        return;
    for (const std::string& entry : parameterEntries(mode))
        controls.addItem(lighting_id::kParameterList, entry);
}

void LightingArea::clickEffect(ControlsPort& controls) {
    if (effectMark_) {
        controls.destroy(lighting_id::kEffectList);
        effectMark_ = false;
        return;
    }
    if (!controls.exists(lighting_id::kEffectList)) {
        switch (static_cast<LightingMode>(config_.lightingMode())) {
            case LightingMode::Standard:
            case LightingMode::Respiration:
                // These modes have one effect: the box shows it and opens nothing.
                controls.setText(lighting_id::kEffectLabel, texts_.text(TextId::RGBEffect));
                controls.redraw(lighting_id::kEffectLabel);
                break;
            case LightingMode::Neon:
                if (controls.create(lighting_id::kEffectList, ControlKind::List, kEffectListArea)) {
                    for (TextId entry : kNeonEffectEntries)
                        controls.addItem(lighting_id::kEffectList, texts_.text(entry));
                }
                break;
            default:
                break;
        }
    }
    effectMark_ = true;
}

void LightingArea::choose(int listId, ControlsPort& controls) {
    const std::optional<int> entry = controls.selection(listId);
    // Nothing selected: the list stays open and nothing changes.
    if (!entry)
        return;
    switch (listId) {
        case lighting_id::kModeList:
            chooseMode(*entry, controls);
            break;
        case lighting_id::kParameterList:
            chooseParameter(*entry, controls);
            break;
        case lighting_id::kEffectList:
            chooseEffect(*entry, controls);
            break;
        default:
            break;
    }
}

void LightingArea::chooseMode(int entry, ControlsPort& controls) {
    if (entry < 0 || entry >= static_cast<int>(kModeEntries.size()))
        return;
    const auto mode = static_cast<std::uint8_t>(entry + kFirstModeEntry);
    config_.setLightingMode(mode);
    controls.setText(lighting_id::kModeLabel, texts_.text(kModeEntries[entry]));
    controls.setText(lighting_id::kParameterLabel,
                     parameterText(mode, parameterOfMode(config_, mode)));
    // Standard and Respiration show their one effect, whatever byte their effect holds.
    const std::string effect = mode == static_cast<std::uint8_t>(LightingMode::Neon)
                                   ? lightingEffectName(texts_, config_.neonEffect())
                                   : std::string(texts_.text(TextId::RGBEffect));
    controls.setText(lighting_id::kEffectLabel, effect);
    for (int id :
         {lighting_id::kModeLabel, lighting_id::kParameterLabel, lighting_id::kEffectLabel})
        controls.redraw(id);
    closeList(controls, lighting_id::kModeList);
}

void LightingArea::chooseParameter(int entry, ControlsPort& controls) {
    const std::uint8_t mode = config_.lightingMode();
    const std::vector<std::string> entries = parameterEntries(mode);
    if (entry < 0 || entry >= static_cast<int>(entries.size()))
        return;
    const auto value = static_cast<std::uint8_t>(entry);
    switch (static_cast<LightingMode>(mode)) {
        case LightingMode::Standard:
            config_.setStandardParameter(value);
            break;
        case LightingMode::Respiration:
            config_.setRespirationParameter(value);
            break;
        case LightingMode::Neon:
            config_.setNeonParameter(value);
            break;
        default:
            break;
    }
    controls.setText(lighting_id::kParameterLabel, entries[static_cast<std::size_t>(entry)]);
    controls.redraw(lighting_id::kParameterLabel);
    closeList(controls, lighting_id::kParameterList);
}

void LightingArea::chooseEffect(int entry, ControlsPort& controls) {
    if (config_.lightingMode() != static_cast<std::uint8_t>(LightingMode::Neon) || entry < 0 ||
        entry >= static_cast<int>(kNeonEffectEntries.size())) {
        return;
    }
    config_.setNeonEffect(static_cast<std::uint8_t>(entry + kNeonEffectFirst));
    controls.setText(lighting_id::kEffectLabel, texts_.text(kNeonEffectEntries[entry]));
    controls.redraw(lighting_id::kEffectLabel);
    closeList(controls, lighting_id::kEffectList);
}

void LightingArea::closeList(ControlsPort& controls, int id) {
    controls.destroy(id);
    if (id == lighting_id::kEffectList)
        effectMark_ = false;
}

void LightingArea::hideAll(ControlsPort& controls) {
    for (int id : {lighting_id::kModeList, lighting_id::kParameterList, lighting_id::kEffectList})
        controls.destroy(id);
    for (int id :
         {lighting_id::kModeLabel, lighting_id::kParameterLabel, lighting_id::kEffectLabel})
        controls.setVisible(id, false);
    effectMark_ = false;
}

}  // namespace quorvel
