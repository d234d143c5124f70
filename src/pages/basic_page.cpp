#include "pages/basic_page.h"

#include <string>

#include "config/dpi_tables.h"
#include "keys/binding_rules.h"
#include "pages/basic_page_rules.h"
#include "pages/button_dispatcher.h"
#include "pages/dpi_sub_list.h"
#include "pages/key_lists.h"
#include "ports/message_box.h"
#include "ui/painters.h"
#include "ui/skin_images.h"

namespace quorvel {
namespace {

namespace img = skin_image;

constexpr std::string_view kModeACaption = "Mode A";
constexpr std::string_view kModeBCaption = "Mode B";
constexpr std::string_view kColourCaption = "Color";
constexpr std::string_view kSelectCaption = "Select";
constexpr std::array<std::string_view, kStageCount> kStageNumbers = {"1", "2", "3", "4"};
constexpr std::array<std::string_view, kShownKeyBoxes> kBoxNumbers = {"1", "2", "3", "4", "5", "6"};

constexpr Rect kTitleRect{120, 58, 352, 98};
struct Heading {
    TextId text;
    Rect rect;
};
constexpr std::array<Heading, 4> kHeadings = {{
    {TextId::KeySetting, {259, 160, 364, 181}},
    {TextId::ReportRateSetting, {504, 161, 609, 182}},
    {TextId::DPISetting, {504, 275, 609, 296}},
    {TextId::DPIEffect, {704, 275, 809, 296}},
}};

// The key lists in function-code order; "Report Rate Switch" is not offered.
constexpr std::array<TextId, 16> kKeyListEntries = {
    TextId::LeftClick, TextId::RightClick,  TextId::MidClick,  TextId::Forward,
    TextId::Backward,  TextId::TripleClick, TextId::DPISwitch, TextId::RGBOnOff,
    TextId::Windows,   TextId::Multimedia,  TextId::FireKey,   TextId::SingleKey,
    TextId::ComboKey,  TextId::MacroKey,    TextId::Shift,     TextId::KeyOff,
};

// Slots 7 and 8 never open, yet a press outside them closes what they would hold.
constexpr Rect kHiddenSlotBoxes[] = {{252, 337, 463, 358}, {252, 360, 463, 381}};
constexpr Rect kHiddenSlotAreas[] = {{252, 359, 463, 629}, {252, 382, 463, 652}};

Rect captionLeftOf(const Rect& control) {
    return {control.left - 60, control.top, control.left - 10, control.bottom};
}

bool isKeyList(int id) {
    return id >= kFirstKeyListId && id < kFirstKeyListId + kKeySlots;
}

}  // namespace

ButtonLabels defaultLabelTexts(const LanguageTexts& texts) {
    return defaultButtonLabels(DefaultLabelNames{
        {texts.text(TextId::LeftClick), texts.text(TextId::RightClick),
         texts.text(TextId::MidClick), texts.text(TextId::Forward), texts.text(TextId::Backward)},
        texts.text(TextId::KeyOff)});
}

BasicPage::BasicPage(BasicPageEnv env)
    : env_(env),
      lighting_(env.shared.records.live, env.texts),
      hover_(HitMap<BasicAction>(kBasicPageAreas)) {}

Colour BasicPage::textColour() const {
    return env_.shared.textColour;
}

bool BasicPage::ownsControl(int id) const {
    return id == kDpiSubListId || isKeyList(id) || LightingArea::ownsList(id) ||
           LightingArea::isValueLabel(id) || (id >= kFirstSwatchId && id < kFirstSwatchId + 4);
}

// Drawing.

void BasicPage::paintKeyBox(Canvas& canvas, int button, bool over) const {
    paintDropDown(canvas, keyBoxRect(button), over, kBoxNumbers[static_cast<std::size_t>(button)],
                  env_.labels.label(config().shownMode(), button), textColour());
}

void BasicPage::paintKeyBoxes(Canvas& canvas) const {
    for (int b = 0; b < kShownKeyBoxes; ++b)
        paintKeyBox(canvas, b, hover_.isLit(kFirstKeyBoxArea + static_cast<std::size_t>(b)));
}

void BasicPage::paintModeButtons(Canvas& canvas) const {
    const bool modeB = config().shownMode() == Mode::B;
    paintTextButton(canvas, kModeARect, !modeB, kModeACaption, textColour());
    paintTextButton(canvas, kModeBRect, modeB, kModeBCaption, textColour());
}

void BasicPage::paintKeyRestore(Canvas& canvas, bool over) const {
    paintTextButton(canvas, kKeyRestoreRect, over, env_.texts.text(TextId::KeyRestore),
                    textColour());
}

void BasicPage::paintStage(Canvas& canvas, int stage, int lit) const {
    paintTickBox(canvas, stageTickRect(stage), config().stageEnabled(stage));
    const int levels = dpiLevelCount(env_.shared.sensorType);
    for (int level = 1; level <= levels; ++level) {
        const Rect cell = dpiLevelCell(stage, level);
        canvas.drawImage(level <= lit ? img::kDpiLevelLit : img::kDpiLevelUnlit, cell.left,
                         cell.top);
    }
}

void BasicPage::paintArea(Canvas& canvas, std::size_t index, bool over) const {
    const BasicAction& action = kBasicPageAreas[index].action;
    if (action.control == BasicControl::KeyBox)
        paintKeyBox(canvas, action.index, over);
    else if (action.control == BasicControl::KeyRestore)
        paintKeyRestore(canvas, over);
}

void BasicPage::createChildren(ControlsPort& controls) const {
    for (int c = 1; c <= kStageCount; ++c) {
        controls.create(kFirstSwatchId + c - 1, ControlKind::ColourSwatch, swatchRect(c));
        controls.setVisible(kFirstSwatchId + c - 1, true);
    }
    lighting_.showLabels(controls);
}

void BasicPage::paint(WindowContext& context) {
    Canvas& canvas = context.canvas();
    const Colour colour = textColour();
    const int sensor = env_.shared.sensorType;
    // A page drawn from scratch shows nothing lit under the pointer.
    hover_.clearAll();

    canvas.drawImage(img::kBasicBackground, 0, 0);
    paintKeyRestore(canvas, false);
    for (int s = 0; s < 4; ++s)
        canvas.drawImage(img::kReportRateUnlit, reportRateRect(s).left, reportRateRect(s).top);

    canvas.drawText(env_.texts.text(TextId::BasicSettings), kTitleRect, TextPlacement::Left,
                    FontRole::Title, kWhite);
    // A heading's tab is wider than its rectangle: a long heading runs past the rectangle.
    for (const Heading& heading : kHeadings) {
        canvas.drawText(env_.texts.text(heading.text), heading.rect, TextPlacement::CentreOverflow,
                        FontRole::Text, colour);
    }
    // The link's dark field ends with its rectangle; past it the text could not be read on a
    // light skin, so a long address is made smaller instead.
    canvas.drawText(env_.texts.text(TextId::WebAddress), kWebLinkRect, TextPlacement::Centre,
                    FontRole::Text, colour);

    paintKeyBoxes(canvas);
    paintModeButtons(canvas);

    for (std::size_t s = 0; s < kReportRates.size(); ++s) {
        const Rect segment = reportRateRect(static_cast<int>(s));
        canvas.drawText(std::to_string(kReportRates[s].hertz),
                        {segment.left, segment.bottom + 10, segment.right, segment.bottom + 30},
                        TextPlacement::TopCentre, FontRole::Text, colour);
    }
    canvas.drawText(kColourCaption, captionLeftOf(swatchRect(1)), TextPlacement::Right,
                    FontRole::Text, colour);
    canvas.drawText(kSelectCaption, captionLeftOf(stageTickRect(1)), TextPlacement::Right,
                    FontRole::Text, colour);
    lighting_.paintCaptions(canvas, colour);
    for (int c = 1; c <= kStageCount; ++c) {
        const Rect tick = stageTickRect(c);
        canvas.drawText(kStageNumbers[static_cast<std::size_t>(c - 1)],
                        {tick.left, tick.bottom + 5, tick.right, tick.bottom + 30},
                        TextPlacement::TopCentre, FontRole::Text, colour);
    }

    createChildren(context.controls());
    const auto labels = dpiLevelLabels(sensor);
    for (std::size_t n = 0; n < labels.size(); ++n) {
        canvas.drawText(labels[n], dpiLevelLabelRect(sensor, static_cast<int>(n) + 1),
                        TextPlacement::Right, FontRole::Text, colour);
    }

    const Rect lit = reportRateRect(reportRateSegment(config().reportRate()));
    canvas.drawImage(img::kReportRateLit, lit.left, lit.top);
    for (int c = 1; c <= kStageCount; ++c)
        paintStage(canvas, c, litDpiLevels(config(), c, sensor));
}

// Presses.

void BasicPage::closeListsOutside(ControlsPort& controls, int x, int y) {
    for (int slot = 0; slot < kKeySlots; ++slot) {
        const bool shown = slot < kShownKeyBoxes;
        const Rect box = shown ? keyBoxRect(slot) : kHiddenSlotBoxes[slot - kShownKeyBoxes];
        const Rect area = shown ? keyListArea(slot) : kHiddenSlotAreas[slot - kShownKeyBoxes];
        if (box.contains(x, y) || area.contains(x, y))
            continue;
        controls.destroy(keyListId(slot));
        controls.destroy(kDpiSubListId);
    }
    lighting_.closeListsOutside(controls, x, y);
}

bool BasicPage::press(int x, int y, WindowContext& context) {
    closeListsOutside(context.controls(), x, y);
    const int responding = respondingDpiLevels(env_.shared.sensorType);
    return dispatchPress<BasicAction>(
               kBasicPageAreas, x, y,
               [&](const BasicAction& action) {
                   // Cells above the sensor's levels are not areas at all: a press there drags.
                   if (action.control == BasicControl::DpiLevel && action.step > responding)
                       return false;
                   act(action, context);
                   return true;
               })
        .hit;
}

void BasicPage::act(const BasicAction& action, WindowContext& context) {
    Canvas& canvas = context.canvas();
    switch (action.control) {
        case BasicControl::ModeA:
            return selectMode(Mode::A, canvas);
        case BasicControl::ModeB:
            return selectMode(Mode::B, canvas);
        case BasicControl::KeyRestore:
            return restoreKeys(canvas);
        case BasicControl::KeyBox:
            return clickKeyBox(action.index, context);
        case BasicControl::ReportRate:
            return clickReportRate(action.index, canvas);
        case BasicControl::StageTick:
            return clickStageTick(action.index, canvas);
        case BasicControl::Swatch:
            return clickSwatch(action.index, context);
        case BasicControl::LightingMode:
            return lighting_.clickMode(context.controls());
        case BasicControl::LightingParameter:
            return lighting_.clickParameter(context.controls());
        case BasicControl::LightingEffect:
            return lighting_.clickEffect(context.controls());
        case BasicControl::DpiLevel:
            return clickLevel(action.index, action.step, canvas);
    }
}

void BasicPage::clickKeyBox(int button, WindowContext& context) {
    ControlsPort& controls = context.controls();
    const int id = keyListId(button);
    if (controls.exists(id)) {
        controls.destroy(id);
        return;
    }
    for (int slot = 0; slot < kKeySlots; ++slot) {
        if (slot != button)
            controls.destroy(keyListId(slot));
    }
    if (!keyBoxMayOpen(config(), config().shownMode(), button)) {
        context.messages().show(env_.texts.text(TextId::LeftKeyMustBeSelected), kWarningCaption);
        return;
    }
    if (!controls.create(id, ControlKind::List, keyListArea(button)))
        return;
    for (TextId entry : kKeyListEntries)
        controls.addItem(id, env_.texts.text(entry));
}

void BasicPage::selectMode(Mode mode, Canvas& canvas) {
    config().setShownMode(mode);
    paintModeButtons(canvas);
    paintKeyBoxes(canvas);
    canvas.copyToScreen();
}

void BasicPage::restoreKeys(Canvas& canvas) {
    applyDefaultAssignment(config());
    env_.labels = defaultLabelTexts(env_.texts);
    paintKeyBoxes(canvas);
    canvas.copyToScreen();
}

void BasicPage::clickReportRate(int segment, Canvas& canvas) {
    const std::uint8_t code = kReportRates[static_cast<std::size_t>(segment)].code;
    if (config().reportRate() == code)
        return;
    // The old segment goes dark first: an unknown stored code shows as the last segment,
    // which may be the one chosen now.
    const Rect old = reportRateRect(reportRateSegment(config().reportRate()));
    canvas.drawImage(img::kReportRateUnlit, old.left, old.top);
    const Rect chosen = reportRateRect(segment);
    canvas.drawImage(img::kReportRateLit, chosen.left, chosen.top);
    config().setReportRate(code);
    canvas.copyToScreen();
}

void BasicPage::clickStageTick(int stage, Canvas& canvas) {
    if (toggleStage(config(), stage) == StageToggle::Refused)
        return;
    paintStage(canvas, stage, litDpiLevels(config(), stage, env_.shared.sensorType));
    canvas.copyToScreen();
}

void BasicPage::clickSwatch(int stage, WindowContext& context) {
    if (!config().stageEnabled(stage))
        return;
    const std::optional<Colour> colour = context.chooseColour(rgbColour(0, 0, 0));
    if (!colour)
        return;
    config().setStageColour(stage, *colour);
    context.controls().redraw(kFirstSwatchId + stage - 1);
}

void BasicPage::clickLevel(int stage, int level, Canvas& canvas) {
    config().setDpiValueIndex(stage, static_cast<std::uint8_t>(level - 1));
    // The cells follow the press even on a stage that is off; its tick stays empty.
    paintStage(canvas, stage, level);
    canvas.copyToScreen();
}

// Hover.

bool BasicPage::hoverableAt(int x, int y) const {
    return hover_.hoverableAt(x, y).has_value();
}

bool BasicPage::rest(int x, int y, Canvas& canvas) {
    return hover_.restAndRedraw(x, y, [&](std::size_t i, bool over) { paintArea(canvas, i, over); })
        .redraws();
}

bool BasicPage::clearHover(Canvas& canvas) {
    return hover_.clearAndRedraw([&](std::size_t i, bool over) { paintArea(canvas, i, over); });
}

// Lists and child windows.

void BasicPage::onListSelectionChange(int id, WindowContext& context) {
    ControlsPort& controls = context.controls();
    if (LightingArea::ownsList(id)) {
        lighting_.choose(id, controls);
        return;
    }
    if (id == kDpiSubListId) {
        if (const std::optional<int> button = dpiSubListChoose(config(), controls, env_.labels)) {
            if (*button < kShownKeyBoxes) {
                paintKeyBox(context.canvas(), *button, false);
                context.canvas().copyToScreen();
            }
        }
        return;
    }
    const int button = id - kFirstKeyListId;
    if (!isKeyList(id) || button >= kShownKeyBoxes || !controls.exists(id))
        return;
    const Mode mode = config().shownMode();
    auto& texts = env_.labels.texts();
    const std::size_t index = static_cast<std::size_t>(button) +
                              (mode == Mode::B ? static_cast<std::size_t>(kButtonCount) : 0);
    const std::size_t other = (index + kButtonCount) % kButtonLabelCount;
    assignButtonFunction(KeyAssignmentContext{config(), controls, env_.keyDialogs}, id, button,
                         mode, texts[index], texts[other]);
    paintKeyBox(context.canvas(), button, false);
    context.canvas().copyToScreen();
}

void BasicPage::onChildMouseMove(int id, int x, int y, WindowContext& context) {
    ControlsPort& controls = context.controls();
    if (id != kDpiSubListId && !(isKeyList(id) && id - kFirstKeyListId < kShownKeyBoxes))
        return;
    const std::optional<int> entry = controls.itemAtPoint(id, x, y);
    if (!entry)
        return;
    controls.setSelection(id, *entry);
    if (id != kDpiSubListId)
        dpiSubListHover(controls, id, keyListArea(id - kFirstKeyListId), *entry);
}

std::optional<ColourAnswer> BasicPage::colourFor(int id, ControlKind kind) const {
    if (id == kDpiSubListId || isKeyList(id) || LightingArea::ownsList(id))
        return ColourAnswer{kWhite, std::nullopt, kBlack, false};
    if (id >= kFirstSwatchId && id < kFirstSwatchId + kStageCount) {
        const Colour stage = config().stageColour(id - kFirstSwatchId + 1);
        return ColourAnswer{kBlack, std::nullopt, stage, false};
    }
    if (LightingArea::isValueLabel(id))
        return ColourAnswer{textColour(), kBlack, kBlack, true};
    if (kind == ControlKind::StaticText || kind == ControlKind::CentredLabel)
        return ColourAnswer{textColour(), kStaticBackground, kStaticBackground, true};
    return std::nullopt;
}

void BasicPage::leave(WindowContext& context) {
    hover_.clearAll();
    ControlsPort& controls = context.controls();
    controls.destroy(kDpiSubListId);
    for (int slot = 0; slot < kKeySlots; ++slot)
        controls.destroy(keyListId(slot));
    for (int c = 1; c <= kStageCount; ++c)
        controls.setVisible(kFirstSwatchId + c - 1, false);
    lighting_.hideAll(controls);
}

}  // namespace quorvel
