#include "dialogs/macro_dialog.h"

#include <array>

#include "ports/message_box.h"
#include "ui/painters.h"
#include "ui/skin_images.h"

namespace quorvel {
namespace {

constexpr Rect kNameDisplay{43, 129, 135, 143};
// 50 pixels wider than the drop-down box on each side, in the 16 pixels above it.
constexpr Rect kPrompt{43 - 50, 129 - 16, 151 + 50, 129};

constexpr std::array<Rect, 3> kRepeatBoxes = {{
    {220, 78, 236, 94},
    {220, 128, 236, 144},
    {220, 178, 236, 194},
}};
constexpr std::array<Rect, 3> kRepeatTexts = {{
    {237, 70, 390, 102},
    {237, 120, 390, 152},
    {237, 170, 390, 202},
}};

constexpr TextRow kPromptText = {"Please select a macro", "请从列表框选择一个宏",
                                 "請從清單方塊選擇一個巨集"};
constexpr std::array<TextRow, 3> kRepeatModeTexts = {{
    {"Repeat a specified number of times or press any key to end", "重复指定次数或按任意键结束",
     "重複指定次數或按任意鍵結束"},
    {"Repeat until press any key to end", "重复直到按任意键结束", "重複直到按任意鍵結束"},
    {"Repeat until the key is released", "重复直到该按键松开结束", "重複直到該按鍵鬆開結束"},
}};
// OK with an empty record.ini: there is nothing to choose until a macro is recorded.
constexpr TextRow kNoMacrosYet = {
    "There are no macros yet. Record one under \"Macro Setting\" on the \"Advanced Settings\" "
    "page, then bind it here.",
    "还没有宏。请先在“高级设置”页的“宏设置”中录制一个宏，再在这里绑定。",
    "還沒有巨集。請先在「高級設置」頁的「巨集設置」中錄製一個巨集，再在這裡綁定。"};

}  // namespace

std::string_view CMacroDialog::backgroundImage() const {
    return skin_image::kMacroKeyBackground;
}

std::string_view CMacroDialog::loadFailureCaption() const {
    return "Macro Key Dialog Load background image failed!!!";
}

void CMacroDialog::onInit(WindowContext& context) {
    context.controls().create(kMacroNameDisplayId, ControlKind::LeftText, kNameDisplay,
                              choice_.name());
}

void CMacroDialog::paintContent(Canvas& canvas) {
    canvas.drawText(text(kPromptText), kPrompt, TextPlacement::Centre, FontRole::Text, kWhite);
    for (std::size_t k = 0; k < kRepeatTexts.size(); ++k) {
        canvas.drawText(text(kRepeatModeTexts[k]), kRepeatTexts[k], TextPlacement::WrappedLeft,
                        FontRole::Text, kWhite);
        paintTickBox(canvas, kRepeatBoxes[k],
                     choice_.repeatMode() == static_cast<int>(k) + kFirstRepeatMode);
    }
}

void CMacroDialog::onAreaPress(int x, int y, WindowContext& context) {
    for (std::size_t k = 0; k < kRepeatBoxes.size(); ++k) {
        if (!kRepeatBoxes[k].contains(x, y))
            continue;
        const TickChange change = choice_.setRepeatMode(static_cast<int>(k) + kFirstRepeatMode);
        Canvas& canvas = context.canvas();
        paintTickBox(canvas, kRepeatBoxes[static_cast<std::size_t>(change.untick - 1)], false);
        paintTickBox(canvas, kRepeatBoxes[static_cast<std::size_t>(change.tick - 1)], true);
        canvas.copyToScreen();
        return;
    }
}

bool CMacroDialog::okAllowed(WindowContext& context) {
    switch (choice_.verdictOnOk(library_.sectionNames().size())) {
        case MacroOkVerdict::Accept:
            return true;
        case MacroOkVerdict::ChooseFirst:
            context.messages().show(text(kPromptText), kWarningCaption);
            return false;
        case MacroOkVerdict::NoMacros:
            context.messages().show(text(kNoMacrosYet), kWarningCaption);
            return false;
    }
    return false;
}

void CMacroDialog::beforeDropDownOpens(WindowContext&) {
    // Rebuilt at each opening: the slots are the file's at this moment.
    choice_.fill(library_.sectionNames());
}

void CMacroDialog::onDropDownChosen(const ChosenEntry& entry, WindowContext& context) {
    if (!choice_.choose(entry.position))
        return;
    context.controls().setText(kMacroNameDisplayId, choice_.name());
    context.controls().redraw(kMacroNameDisplayId);
}

}  // namespace quorvel
