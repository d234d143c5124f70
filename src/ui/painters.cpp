#include "ui/painters.h"

#include "ui/skin_images.h"

namespace quorvel {

void paintTextButton(Canvas& canvas, const Rect& rect, bool over, std::string_view caption,
                     Colour textColour) {
    canvas.drawImage(over ? skin_image::kButtonOver : skin_image::kButtonNormal, rect.left,
                     rect.top);
    canvas.drawText(caption, rect, TextPlacement::Centre, FontRole::Text, textColour);
}

void paintDropDown(Canvas& canvas, const Rect& box, bool over, std::string_view number,
                   std::string_view value, Colour textColour) {
    canvas.drawImage(over ? skin_image::kDropdownOver : skin_image::kDropdownNormal, box.left,
                     box.top);
    if (!number.empty()) {
        canvas.drawText(number, dropDownNumberRect(box), TextPlacement::Left, FontRole::Text,
                        textColour);
    }
    canvas.drawText(value, dropDownValueRect(box), TextPlacement::Left, FontRole::Text, textColour);
}

void paintSliderCells(Canvas& canvas, std::span<const Rect> cells, int value, SliderFill fill,
                      ImagePair images) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool lit = sliderCellLit(static_cast<int>(i), value, fill);
        canvas.drawImage(lit ? images.over : images.normal, cells[i].left, cells[i].top);
    }
}

void paintTickBox(Canvas& canvas, const Rect& rect, bool ticked) {
    canvas.drawImage(ticked ? skin_image::kTickOn : skin_image::kTickOff, rect.left, rect.top);
}

}  // namespace quorvel
