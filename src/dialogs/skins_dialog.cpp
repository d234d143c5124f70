#include "dialogs/skins_dialog.h"

#include "ui/skin_images.h"

namespace quorvel {
namespace {

constexpr Rect kSwatch{42, 94, 151, 110};
// 30 pixels wider than the swatch on each side, in the 30 pixels above it.
constexpr Rect kPrompt{42 - 30, 94 - 30, 151 + 30, 94};
constexpr Rect kNameDisplay{43, 128, 135, 142};

constexpr TextRow kPromptText = {"Please click to set the UI text color", "请点击设置UI文本颜色",
                                 "請點擊設置UI文本顏色"};

}  // namespace

CSkinsDialog::CSkinsDialog(const DialogLook& look, DirectoryListingPort& listing,
                           std::string skinsRoot, const SkinSetting& current)
    : SkinnedDialog(look),
      skins_(kSkinDropDown),
      choice_(listing, std::move(skinsRoot), current.name, current.directory, current.textColour) {}

std::string_view CSkinsDialog::backgroundImage() const {
    return skin_image::kSkinsBackground;
}

std::string_view CSkinsDialog::loadFailureCaption() const {
    return "Skins Dialog Load background image failed!!!";
}

void CSkinsDialog::onInit(WindowContext& context) {
    context.controls().create(kSkinNameDisplayId, ControlKind::LeftText, kNameDisplay,
                              choice_.skinName());
    context.controls().create(kColourSwatchId, ControlKind::ColourSwatch, kSwatch);
}

SkinSetting CSkinsDialog::result() const {
    return SkinSetting{choice_.skinPath(), choice_.skinName(), choice_.colour()};
}

void CSkinsDialog::paintContent(Canvas& canvas) {
    // Longer than the swatch is wide in English: two centred lines, not one cut at both ends.
    canvas.drawText(text(kPromptText), kPrompt, TextPlacement::WrappedCentre, FontRole::Text,
                    textColour());
}

std::optional<ColourAnswer> CSkinsDialog::colourFor(int controlId, ControlKind kind,
                                                    WindowContext& context) {
    if (controlId != kColourSwatchId)
        return SkinnedDialog::colourFor(controlId, kind, context);
    ColourAnswer answer;
    answer.brush = choice_.colour();
    return answer;
}

void CSkinsDialog::onAreaPress(int x, int y, WindowContext& context) {
    if (!kSwatch.contains(x, y))
        return;
    // Started at the colour in use: OK without a change keeps it.
    const std::optional<Colour> chosen = context.chooseColour(choice_.colour());
    if (!chosen)
        return;
    choice_.setColour(*chosen);
    context.controls().redraw(kColourSwatchId);
}

void CSkinsDialog::beforeDropDownOpens(WindowContext&) {
    choice_.fill();
}

void CSkinsDialog::onDropDownChosen(const ChosenEntry& entry, WindowContext& context) {
    if (!choice_.choose(entry.position))
        return;
    context.controls().setText(kSkinNameDisplayId, choice_.skinName());
    context.controls().redraw(kSkinNameDisplayId);
}

}  // namespace quorvel
