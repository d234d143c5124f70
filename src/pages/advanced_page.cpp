#include "pages/advanced_page.h"

#include <algorithm>
#include <array>

#include "pages/advanced_page_layout.h"
#include "pages/macro_editor_texts.h"
#include "ui/painters.h"
#include "ui/skin_images.h"

namespace quorvel {
namespace {

using namespace advanced_layout;
using namespace macro_controls;

struct SliderRow {
    Slider slider;
    std::size_t field;
    TextId title;
};
constexpr std::array<SliderRow, 3> kSliderRows = {{
    {Slider::Speed, pointer_settings::kSpeedPosition, TextId::MouseSpeed},
    {Slider::Scroll, pointer_settings::kScrollLinesPosition, TextId::ScrollingSpeed},
    {Slider::DoubleClick, pointer_settings::kDoubleClickPosition, TextId::DoubleClickSpeed},
}};

struct TickRow {
    Rect box;
    std::size_t field;
    TextId label;
};
constexpr std::array<TickRow, 2> kTickRows = {{
    {kPrecisionTick, pointer_settings::kPrecision, TextId::EnhancePointerPrecision},
    {kOneScreenTick, pointer_settings::kScreenPerNotch, TextId::ScrollOneScreen},
}};

constexpr Colour kListBrush = rgbColour(4, 5, 6);
constexpr std::array<int, 5> kPageControls = {kNameField, kLoopField, kMacroList, kSequenceList,
                                              kDropDownLabel};

struct TextButton {
    AdvancedControl control;
    Rect rect;
    TextId caption;
};
constexpr std::array<TextButton, 4> kTextButtons = {{
    {AdvancedControl::Default, kDefaultButton, TextId::AdvancedDefault},
    {AdvancedControl::New, kNewButton, TextId::New},
    {AdvancedControl::Delete, kDeleteButton, TextId::Delete},
    {AdvancedControl::Confirm, kConfirmButton, TextId::Confirm},
}};

}  // namespace

class AdvancedPage::ContextRecorderHost : public RecorderHost {
  public:
    ContextRecorderHost(WindowContext& context, WindowCaptionPort& caption)
        : context_(context), caption_(caption) {}
    void show(std::string_view text, std::string_view caption) override {
        context_.messages().show(text, caption);
    }
    HookInstall installKeyboardHook() override { return context_.installKeyboardHook(); }
    void removeKeyboardHook() override { context_.removeKeyboardHook(); }
    std::string caption() const override { return caption_.caption(); }
    void setCaption(std::string_view text) override { caption_.setCaption(text); }

  private:
    WindowContext& context_;
    WindowCaptionPort& caption_;
};

AdvancedPage::AdvancedPage(AdvancedPageServices services)
    : services_(services),
      editor_(services.library),
      recorder_(editor_),
      hover_(HitMap<AdvancedAction>(kAdvancedPageAreas)) {}

Colour AdvancedPage::textColour() const {
    const Colour& rgb = services_.shared.textColour;
    return rgbColour(rgb.red, rgb.green, rgb.blue);
}

RecorderTexts AdvancedPage::recorderTexts() const {
    const LanguageTexts& texts = services_.texts;
    return {texts.text(TextId::MacroNameIsBlank), texts.text(TextId::StartRecording),
            texts.text(TextId::StopRecording), texts.text(TextId::PressCtrlBreak),
            texts.text(TextId::NotRecordingStop)};
}

void AdvancedPage::paint(WindowContext& context) {
    hover_.clearAll();
    if (!shown_) {
        // Shown first: the system's values and record.ini are what the page then draws.
        shown_ = true;
        if (!pointerRead_) {
            readPointerSettings(services_.shared.records.live, services_.pointer,
                                context.messages());
            pointerRead_ = true;
        }
        createControls(context.controls());
        for (int id : kPageControls)
            context.controls().setVisible(id, true);
        editor_.show();
        syncControls(context.controls());
    }
    Canvas& canvas = context.canvas();
    canvas.drawImage(skin_image::kAdvancedBackground, 0, 0);
    paintPointerHalf(canvas);
    paintMacroHalf(canvas);
    canvas.drawText(services_.texts.text(TextId::AdvancedSettings), kTitle, TextPlacement::Left,
                    FontRole::Title, kWhite);
    // As on the basic page: a long link shrinks to its rectangle, since text running past it
    // lands on the light frame of a pale skin.
    canvas.drawText(services_.texts.text(TextId::WebAddress), kWebLinkRect, TextPlacement::Centre,
                    FontRole::Text, textColour());
}

void AdvancedPage::leave(WindowContext& context) {
    hover_.clearAll();
    if (!shown_)
        return;
    shown_ = false;
    ContextRecorderHost host(context, services_.caption);
    recorder_.leavePage(host);
    editor_.leave();
    // Kept hidden for the next showing, which fills them again.
    for (int id : kPageControls)
        context.controls().setVisible(id, false);
    context.controls().destroy(kDropDownList);
}

// Drawing

void AdvancedPage::paintTicks(Canvas& canvas) {
    const MouseConfig& config = services_.shared.records.live;
    for (const TickRow& row : kTickRows) {
        paintTickBox(canvas, row.box, config.pointerSetting(row.field) == 1);
    }
}

void AdvancedPage::paintSliders(Canvas& canvas) {
    const MouseConfig& config = services_.shared.records.live;
    for (const SliderRow& row : kSliderRows) {
        const auto steps = sliderSteps(row.slider);
        paintSliderCells(canvas, steps, config.pointerSetting(row.field), SliderFill::UpTo,
                         ImagePair{skin_image::kSliderUnlit, skin_image::kSliderLit});
    }
}

void AdvancedPage::paintPointerHalf(Canvas& canvas) {
    const LanguageTexts& texts = services_.texts;
    const Colour colour = textColour();
    paintTicks(canvas);
    paintSliders(canvas);
    paintTextButton(canvas, kDefaultButton, false, texts.text(TextId::AdvancedDefault), colour);
    for (std::size_t r = 0; r < kSliderRows.size(); ++r) {
        const SliderRow& row = kSliderRows[r];
        for (int step = 1; step <= kSliderSteps; ++step) {
            canvas.drawText(std::to_string(step), stepNumber(row.slider, step),
                            TextPlacement::TopCentre, FontRole::Text, colour);
        }
        canvas.drawText(texts.text(row.title), kSliderTitles[r], TextPlacement::Centre,
                        FontRole::Text, colour);
    }
    for (const TickRow& row : kTickRows) {
        canvas.drawText(texts.text(row.label), tickLabel(row.box), TextPlacement::Left,
                        FontRole::Text, colour);
    }
}

void AdvancedPage::paintMacroHalf(Canvas& canvas) {
    const LanguageTexts& texts = services_.texts;
    const Colour colour = textColour();
    for (const TextButton& button : kTextButtons) {
        if (button.caption != TextId::AdvancedDefault)
            paintTextButton(canvas, button.rect, false, texts.text(button.caption), colour);
    }
    struct Label {
        TextId text;
        Rect rect;
        TextPlacement placement;
    };
    const std::array<Label, 9> labels = {{
        {TextId::MacroSetting, kMacroHeading, TextPlacement::Centre},
        {TextId::SelectMacro, kSelectMacroLabel, TextPlacement::Centre},
        {TextId::KeyPressSequence, kSequenceLabel, TextPlacement::Centre},
        {TextId::RecordOption, kRecordOptionLabel, TextPlacement::Centre},
        {TextId::StartRecording, besideButton(kStartRecording), TextPlacement::Left},
        {TextId::StopRecording, besideButton(kStopRecording), TextPlacement::Left},
        {TextId::MacroName, aboveBox(kNameFieldRect), TextPlacement::Left},
        {TextId::LoopTimes, aboveBox(kLoopFieldRect), TextPlacement::Left},
        {TextId::InsertAMouseEvent, aboveBox(kDropDownBox), TextPlacement::Left},
    }};
    for (const Label& label : labels) {
        canvas.drawText(texts.text(label.text), label.rect, label.placement, FontRole::Text,
                        colour);
    }
}

void AdvancedPage::paintArea(Canvas& canvas, std::size_t index, bool over) const {
    const AdvancedControl control = kAdvancedPageAreas[index].action.control;
    for (const TextButton& button : kTextButtons) {
        if (button.control == control) {
            paintTextButton(canvas, button.rect, over, services_.texts.text(button.caption),
                            textColour());
        }
    }
}

// Presses and the pointer

bool AdvancedPage::press(int x, int y, WindowContext& context) {
    if (editor_.dropDownOpen() && !kDropDownBox.contains(x, y) &&
        !kDropDownListArea.contains(x, y)) {
        editor_.closeDropDown();
        syncDropDown(context.controls());
    }
    return dispatchPress<AdvancedAction>(
               kAdvancedPageAreas, x, y,
               [&](const AdvancedAction& action) { act(action, context); })
        .hit;
}

void AdvancedPage::act(const AdvancedAction& action, WindowContext& context) {
    MouseConfig& config = services_.shared.records.live;
    ControlsPort& controls = context.controls();
    ContextRecorderHost host(context, services_.caption);
    switch (action.control) {
        case AdvancedControl::PrecisionTick:
        case AdvancedControl::OneScreenTick: {
            const std::size_t field = action.control == AdvancedControl::PrecisionTick
                                          ? pointer_settings::kPrecision
                                          : pointer_settings::kScreenPerNotch;
            config.setPointerSetting(field, config.pointerSetting(field) == 1 ? 0 : 1);
            paintTicks(context.canvas());
            context.canvas().copyToScreen();
            return;
        }
        case AdvancedControl::Default:
            restorePointerDefaults(config, services_.pointer, context.messages());
            paintTicks(context.canvas());
            paintSliders(context.canvas());
            context.canvas().copyToScreen();
            return;
        case AdvancedControl::StartRecording:
            recorder_.start(host, recorderTexts());
            syncSequence(controls);
            return;
        case AdvancedControl::StopRecording:
            recorder_.stop(host, recorderTexts());
            return;
        case AdvancedControl::New:
            notify(editor_.addNewMacro(), context);
            break;
        case AdvancedControl::Delete:
            notify(editor_.deleteSelectedMacro(), context);
            break;
        case AdvancedControl::Confirm:
            notify(editor_.confirm(), context);
            break;
        case AdvancedControl::EventDropDown:
            editor_.toggleDropDown();
            syncDropDown(controls);
            return;
        case AdvancedControl::SliderCell: {
            const SliderRow& row = kSliderRows[std::min<std::size_t>(action.index, 2)];
            config.setPointerSetting(row.field, action.step);
            paintSliders(context.canvas());
            context.canvas().copyToScreen();
            return;
        }
    }
    syncControls(controls);
}

bool AdvancedPage::hoverableAt(int x, int y) const {
    return hover_.hoverableAt(x, y).has_value();
}

bool AdvancedPage::rest(int x, int y, Canvas& canvas) {
    return hover_.restAndRedraw(x, y, [&](std::size_t i, bool over) { paintArea(canvas, i, over); })
        .redraws();
}

bool AdvancedPage::clearHover(Canvas& canvas) {
    return hover_.clearAndRedraw([&](std::size_t i, bool over) { paintArea(canvas, i, over); });
}

void AdvancedPage::notify(const std::optional<EditorNotice>& notice, WindowContext& context) {
    if (!notice)
        return;
    const NoticeText shown = noticeText(*notice, services_.texts);
    context.messages().show(shown.text, shown.caption);
}

// Child controls

void AdvancedPage::onChildMouseMove(int controlId, int x, int y, WindowContext& context) {
    if (controlId != kSequenceList && controlId != kDropDownList)
        return;
    ControlsPort& controls = context.controls();
    const std::optional<int> under = controls.itemAtPoint(controlId, x, y);
    if (!under || controls.selection(controlId) == under)
        return;
    controls.setSelection(controlId, *under);
    if (controlId == kSequenceList)
        editor_.selectItem(under);
}

void AdvancedPage::onChildRightButtonDown(int controlId, WindowContext& context) {
    if (controlId != kSequenceList)
        return;
    editor_.selectItem(context.controls().selection(kSequenceList));
    if (!services_.itemMenu.chooseItemMenu(services_.texts.text(TextId::Delete)))
        return;
    editor_.deleteSelectedItem();
    syncSequence(context.controls());
}

void AdvancedPage::onListSelectionChange(int controlId, WindowContext& context) {
    ControlsPort& controls = context.controls();
    const std::optional<int> selected = controls.selection(controlId);
    switch (controlId) {
        case kMacroList:
            if (selected) {
                editor_.selectMacro(*selected);
                syncControls(controls);
            }
            return;
        case kSequenceList:
            editor_.selectItem(selected);
            return;
        case kDropDownList:
            if (selected) {
                editor_.insertMouseEvent(static_cast<std::size_t>(*selected));
                syncDropDown(controls);
                syncSequence(controls);
            }
            return;
        default:
            return;
    }
}

void AdvancedPage::onListDoubleClick(int controlId, WindowContext& context) {
    if (controlId != kSequenceList)
        return;
    editor_.selectItem(context.controls().selection(kSequenceList));
    if (editor_.editSelectedDelay(services_.delay))
        syncSequence(context.controls());
}

void AdvancedPage::onEditChange(int controlId, WindowContext& context) {
    ControlsPort& controls = context.controls();
    const std::string text = controls.text(controlId).value_or(std::string());
    if (controlId == kNameField) {
        editor_.setNameField(text);
    } else if (controlId == kLoopField) {
        editor_.setLoopField(text);
        syncFields(controls);
    }
}

bool AdvancedPage::onKeyBeforeDialogManager(KeyPhase phase) {
    return phase == KeyPhase::Down && recorder_.swallowsKeyDown();
}

void AdvancedPage::onHookedKey(const HookedKey& key, WindowContext& context) {
    const std::size_t before = editor_.items().size();
    recorder_.onKeystroke(key);
    if (editor_.items().size() != before)
        syncSequence(context.controls());
}

bool AdvancedPage::ownsControl(int controlId) const {
    return controlId == kDropDownList ||
           std::find(kPageControls.begin(), kPageControls.end(), controlId) != kPageControls.end();
}

std::optional<ColourAnswer> AdvancedPage::colourFor(int controlId, ControlKind) const {
    switch (controlId) {
        case kNameField:
        case kLoopField:
            return ColourAnswer{textColour(), std::nullopt, kBlack, true};
        case kMacroList:
        case kSequenceList:
            return ColourAnswer{textColour(), std::nullopt, kListBrush, true};
        case kDropDownLabel:
            return ColourAnswer{textColour(), kBlack, kBlack, true};
        case kDropDownList:
            return ColourAnswer{kWhite, std::nullopt, kBlack, true};
        default:
            return std::nullopt;
    }
}

void AdvancedPage::createControls(ControlsPort& controls) {
    controls.create(kNameField, ControlKind::Edit, kNameFieldRect);
    controls.create(kLoopField, ControlKind::Edit, kLoopFieldRect);
    controls.create(kMacroList, ControlKind::List, kMacroListRect);
    controls.create(kSequenceList, ControlKind::List, kSequenceListRect);
    controls.create(kDropDownLabel, ControlKind::CentredLabel, kDropDownLabelRect);
}

void AdvancedPage::syncControls(ControlsPort& controls) {
    controls.clearItems(kMacroList);
    for (const std::string& name : editor_.macros()) {
        controls.addItem(kMacroList, name);
    }
    controls.setSelection(kMacroList, editor_.selectedMacro().value_or(-1));
    syncFields(controls);
    syncSequence(controls);
    syncDropDown(controls);
}

void AdvancedPage::syncFields(ControlsPort& controls) {
    // Only real changes: setting a field's text reports a change back.
    if (controls.text(kNameField) != editor_.nameField())
        controls.setText(kNameField, editor_.nameField());
    if (controls.text(kLoopField) != editor_.loopField())
        controls.setText(kLoopField, editor_.loopField());
}

void AdvancedPage::syncSequence(ControlsPort& controls) {
    controls.clearItems(kSequenceList);
    for (const std::string& item : editor_.items()) {
        controls.addItem(kSequenceList, item);
    }
    controls.setSelection(kSequenceList, editor_.selectedItem().value_or(-1));
}

void AdvancedPage::syncDropDown(ControlsPort& controls) {
    if (controls.text(kDropDownLabel) != editor_.dropDownLabel())
        controls.setText(kDropDownLabel, editor_.dropDownLabel());
    if (!editor_.dropDownOpen()) {
        controls.destroy(kDropDownList);
        return;
    }
    if (controls.create(kDropDownList, ControlKind::List, kDropDownListArea)) {
        for (std::string_view entry : kMouseEventTable) {
            controls.addItem(kDropDownList, entry);
        }
    }
}

}  // namespace quorvel
