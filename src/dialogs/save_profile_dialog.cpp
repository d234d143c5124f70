#include "dialogs/save_profile_dialog.h"

#include "ports/message_box.h"
#include "ui/skin_images.h"

namespace quorvel {
namespace {

constexpr Rect kPrompt{40, 98, 340, 120};
constexpr Rect kExplanation{40, 156, 340, 220};

constexpr TextRow kPromptText = {"Please enter a name for the profile", "请输入配置文件的名称",
                                 "請輸入設定檔的名稱"};
constexpr TextRow kExplanationText = {
    "The profile holds the settings last applied, with the button names.",
    "配置文件保存最近一次应用的设置和按键名称。", "設定檔保存最近一次應用的設定和按鍵名稱。"};
constexpr TextRow kReplaceText = {
    "A profile of this name exists. Press OK again to replace it; the programs that use it "
    "keep using it.",
    "已有同名的配置文件。再按一次确定即可替换它，使用它的程序仍然使用它。",
    "已有同名的設定檔。再按一次確定即可取代它，使用它的程式仍然使用它。"};

}  // namespace

std::string_view CSaveProfileDialog::backgroundImage() const {
    return skin_image::kSaveProfileBackground;
}

std::string_view CSaveProfileDialog::loadFailureCaption() const {
    return "Save Profile Dialog Load background image failed!!!";
}

void CSaveProfileDialog::onInit(WindowContext& context) {
    context.controls().create(kProfileNameBoxId, ControlKind::Edit, kNameBox);
}

void CSaveProfileDialog::paintContent(Canvas& canvas) {
    canvas.drawText(text(kPromptText), kPrompt, TextPlacement::Centre, FontRole::Text, kWhite);
    canvas.drawText(text(kExplanationText), kExplanation, TextPlacement::WrappedCentre,
                    FontRole::Text, textColour());
}

bool CSaveProfileDialog::okAllowed(WindowContext& context) {
    const SaveOutcome outcome =
        choice_.onOk(context.controls().text(kProfileNameBoxId).value_or(std::string()));
    switch (outcome.verdict) {
        case SaveVerdict::Saved:
            return true;
        case SaveVerdict::AskToReplace:
            context.messages().show(text(kReplaceText), kWarningCaption);
            return false;
        case SaveVerdict::Refused:
            context.messages().show(outcome.message, kWarningCaption);
            return false;
    }
    return false;
}

}  // namespace quorvel
