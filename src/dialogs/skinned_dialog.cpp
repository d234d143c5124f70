#include "dialogs/skinned_dialog.h"

#include "dialogs/dialog_texts.h"
#include "ui/painters.h"

namespace quorvel {

DialogLook dialogLookOf(const SharedUiState& shared) {
    return {languageFromCode(shared.languageCode), shared.textColour};
}

std::string_view SkinnedDialog::text(const TextRow& row) const {
    return textIn(row, look_.language);
}

void SkinnedDialog::paintButton(Canvas& canvas, std::size_t index, bool over) const {
    const HitArea<DialogButton>& area = kDialogButtons[index];
    switch (area.action) {
        case DialogButton::Ok:
            paintTextButton(canvas, area.rect, over, LanguageTexts(look_.language).text(TextId::OK),
                            look_.textColour);
            break;
        case DialogButton::Cancel:
            paintTextButton(canvas, area.rect, over,
                            LanguageTexts(look_.language).text(TextId::Cancel), look_.textColour);
            break;
        case DialogButton::Close:
            paintImageButton(canvas, area, over);
            break;
    }
}

void SkinnedDialog::onPaint(WindowContext& context) {
    Canvas& canvas = context.canvas();
    for (std::size_t i = 0; i < kDialogButtons.size(); ++i) {
        if (kDialogButtons[i].action != DialogButton::Close)
            paintButton(canvas, i, hover_.isLit(i));
    }
    paintContent(canvas);
    for (std::size_t i = 0; i < kDialogButtons.size(); ++i) {
        if (kDialogButtons[i].action == DialogButton::Close)
            paintButton(canvas, i, hover_.isLit(i));
    }
}

void SkinnedDialog::closeDropDown(WindowContext& context) {
    DialogDropDown* list = dropDown();
    if (list && list->close(context.controls()))
        afterDropDownCloses(context);
}

void SkinnedDialog::toggleDropDown(WindowContext& context) {
    DialogDropDown* list = dropDown();
    if (list->isOpen()) {
        closeDropDown(context);
        return;
    }
    beforeDropDownOpens(context);
    const std::vector<std::string> entries = dropDownEntries();
    list->open(context.controls(), entries);
}

void SkinnedDialog::onPress(int x, int y, WindowContext& context) {
    DialogDropDown* list = dropDown();
    if (list && list->isOpen() && list->outside(x, y))
        closeDropDown(context);
    const auto endRun = [&](DialogButton button) {
        if (button == DialogButton::Ok) {
            if (!okAllowed(context))
                return;
            beforeOk(context);
        }
        context.endModal(dialogEndFor(button));
    };
    if (dispatchPress<DialogButton>(kDialogButtons, x, y, endRun).hit)
        return;
    if (list && list->onBox(x, y))
        toggleDropDown(context);
    onAreaPress(x, y, context);
}

void SkinnedDialog::onOkRequest(WindowContext& context) {
    if (!okAllowed(context))
        return;
    beforeOk(context);
    context.endModal(DialogEnd::Ok);
}

void SkinnedDialog::paintHoverStep(const HoverStep& step, WindowContext& context) const {
    if (!step.redraws())
        return;
    Canvas& canvas = context.canvas();
    for (const std::size_t index : step.toNormal)
        paintButton(canvas, index, false);
    if (step.lit)
        paintButton(canvas, *step.lit, true);
    canvas.copyToScreen();
}

void SkinnedDialog::onMouseMove(int x, int y, WindowContext& context) {
    const HoverStep step = hover_.move(x, y);
    // Also told when the pointer leaves, so no button stays lit behind it.
    if (step.trackHover)
        context.trackHover(HoverRequest::RestAndLeave);
    paintHoverStep(step, context);
}

void SkinnedDialog::onMouseLeave(WindowContext& context) {
    HoverStep step;
    step.toNormal = hover_.clearAll();
    paintHoverStep(step, context);
}

void SkinnedDialog::onHover(int x, int y, WindowContext& context) {
    paintHoverStep(hover_.rest(x, y), context);
}

void SkinnedDialog::onChildMouseMove(int controlId, int x, int y, WindowContext& context) {
    DialogDropDown* list = dropDown();
    if (list && controlId == list->layout().listId)
        list->pointerOverList(context.controls(), x, y);
}

void SkinnedDialog::onMouseWheel(int delta, WindowContext& context) {
    if (DialogDropDown* list = dropDown())
        list->wheel(context.controls(), delta);
}

void SkinnedDialog::chooseFromDropDown(int controlId, WindowContext& context) {
    DialogDropDown* list = dropDown();
    if (!list || controlId != list->layout().listId)
        return;
    const std::optional<ChosenEntry> chosen = list->choose(context.controls());
    if (!chosen)
        return;
    afterDropDownCloses(context);
    onDropDownChosen(*chosen, context);
}

void SkinnedDialog::onListSelectionChange(int controlId, WindowContext& context) {
    chooseFromDropDown(controlId, context);
}

void SkinnedDialog::onListDoubleClick(int controlId, WindowContext& context) {
    chooseFromDropDown(controlId, context);
}

std::optional<ColourAnswer> SkinnedDialog::colourFor(int, ControlKind kind, WindowContext&) {
    // Lists and edits paint their own background: give it the brush's grey, or white text
    // would land on the system's white.
    const bool paintsBackground = kind != ControlKind::StaticText &&
                                  kind != ControlKind::LeftText &&
                                  kind != ControlKind::CentredLabel;
    ColourAnswer answer;
    answer.text = kWhite;
    if (paintsBackground)
        answer.textBackground = kDialogControlGrey;
    answer.brush = kDialogControlGrey;
    answer.textFont = true;
    return answer;
}

}  // namespace quorvel
