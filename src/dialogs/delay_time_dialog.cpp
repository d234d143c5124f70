#include "dialogs/delay_time_dialog.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/number_boxes.h"
#include "ui/skin_images.h"

namespace quorvel {

std::string_view CDelayTimeDialog::backgroundImage() const {
    return skin_image::kDelayTimeBackground;
}

void CDelayTimeDialog::onInit(WindowContext& context) {
    context.controls().create(kDelayBoxId, ControlKind::FramedNumber, kDelayBox);
}

void CDelayTimeDialog::paintContent(Canvas& canvas) {
    canvas.drawText(text(dialog_text::kDelayPrompt), kPrompt, TextPlacement::Centre, FontRole::Text,
                    kWhite);
    canvas.drawText(text(dialog_text::kDelayRange), kRange, TextPlacement::Centre, FontRole::Text,
                    kWhite);
}

void CDelayTimeDialog::onEditChange(int controlId, WindowContext& context) {
    if (controlId != kDelayBoxId)
        return;
    delayText_ = context.controls().text(kDelayBoxId).value_or(std::string());
    delayValue_ = delayFromText(delayText_);
}

}  // namespace quorvel
