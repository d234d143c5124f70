#include "dialogs/fire_key_dialog.h"

#include "dialogs/dialog_texts.h"
#include "keys/key_code_tables.h"
#include "ui/skin_images.h"

namespace quorvel {
namespace {

constexpr std::string_view kInitialTarget = "A";

// The labels sit above their boxes, 40 pixels wider on each side; the explanation lines
// start 30 pixels left of the times box, 20, 36 and 52 pixels below its top.
constexpr Rect kSpeedLabel{10, 100, 171, 120};
constexpr Rect kTimesLabel{10, 150, 171, 170};
constexpr Rect kHeading{20, 190, 400, 206};
constexpr Rect kSpeedExplanation{20, 206, 400, 222};
constexpr Rect kTimesExplanation{20, 222, 400, 238};

}  // namespace

std::string_view CFireKeyDialog::backgroundImage() const {
    return skin_image::kFireKeyBackground;
}

void CFireKeyDialog::onInit(WindowContext& context) {
    targetName_ = kInitialTarget;
    ControlsPort& controls = context.controls();
    controls.create(kTargetDisplayId, ControlKind::StaticText, kTargetDisplay, targetName_);
    controls.create(kSpeedBoxId, ControlKind::NumberEdit, kSpeedBox,
                    std::to_string(kDefaultFireSpeed));
    controls.create(kTimesBoxId, ControlKind::NumberEdit, kTimesBox,
                    std::to_string(kDefaultFireTimes));
}

void CFireKeyDialog::paintContent(Canvas& canvas) {
    canvas.drawText(text(dialog_text::kSpeedLabel), kSpeedLabel, TextPlacement::Centre,
                    FontRole::Text, kWhite);
    canvas.drawText(text(dialog_text::kTimesLabel), kTimesLabel, TextPlacement::Centre,
                    FontRole::Text, kWhite);
    canvas.drawText(text(dialog_text::kFireHeading), kHeading, TextPlacement::Left, FontRole::Text,
                    kWhite);
    canvas.drawText(text(dialog_text::kSpeedExplanation), kSpeedExplanation, TextPlacement::Left,
                    FontRole::Text, kWhite);
    canvas.drawText(text(dialog_text::kTimesExplanation), kTimesExplanation, TextPlacement::Left,
                    FontRole::Text, kWhite);
}

void CFireKeyDialog::commitSpeed(WindowContext& context) {
    const std::optional<std::string> typed = context.controls().text(kSpeedBoxId);
    if (!typed)
        return;
    const BoxValue speed = fireSpeedFromText(*typed);
    speed_ = speed.value;
    if (speed.replacement)
        context.controls().setText(kSpeedBoxId, *speed.replacement);
}

void CFireKeyDialog::onEditKillFocus(int controlId, WindowContext& context) {
    if (controlId == kSpeedBoxId)
        commitSpeed(context);
}

void CFireKeyDialog::onEditChange(int controlId, WindowContext& context) {
    if (controlId != kTimesBoxId)
        return;
    const std::optional<std::string> typed = context.controls().text(kTimesBoxId);
    if (!typed)
        return;
    const BoxValue times = fireTimesFromText(*typed);
    times_ = times.value;
    if (times.replacement)
        context.controls().setText(kTimesBoxId, *times.replacement);
}

// A speed typed and confirmed at once never lost the focus; it counts all the same.
void CFireKeyDialog::beforeOk(WindowContext& context) {
    commitSpeed(context);
}

std::vector<std::string> CFireKeyDialog::dropDownEntries() const {
    std::vector<std::string> names;
    for (const NamedCode& target : kFireTargetTable)
        names.emplace_back(target.name);
    return names;
}

void CFireKeyDialog::beforeDropDownOpens(WindowContext& context) {
    ControlsPort& controls = context.controls();
    controls.enable(kSpeedBoxId, false);
    controls.enable(kTimesBoxId, false);
    controls.focusWindow();
}

void CFireKeyDialog::afterDropDownCloses(WindowContext& context) {
    context.controls().enable(kSpeedBoxId, true);
    context.controls().enable(kTimesBoxId, true);
}

void CFireKeyDialog::onDropDownChosen(const ChosenEntry& entry, WindowContext& context) {
    targetName_ = entry.text;
    targetPosition_ = entry.position;
    context.controls().setText(kTargetDisplayId, targetName_);
    context.controls().redraw(kTargetDisplayId);
}

}  // namespace quorvel
