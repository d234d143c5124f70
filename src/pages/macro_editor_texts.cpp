#include "pages/macro_editor_texts.h"

#include <array>
#include <string_view>

#include "ports/message_box.h"

namespace quorvel {
namespace {

constexpr std::string_view kTooManyMacros = "Macro numbers up to 12.";

// {kept} and {total} are replaced by the numbers.
constexpr TextRow kMacroCut = {
    "This macro is longer than the mouse can hold: only the first {kept} of its {total} events "
    "will be played.",
    "此宏超出了鼠标的存储容量：{total} 个事件中只有前 {kept} 个会被执行。",
    "此巨集超出了滑鼠的儲存容量：{total} 個事件中只有前 {kept} 個會被執行。",
};
constexpr TextRow kFileNotWritten = {
    "record.ini could not be written: the change was not saved.",
    "无法写入 record.ini：更改没有保存。",
    "無法寫入 record.ini：變更沒有儲存。",
};

void replaceAll(std::string& text, std::string_view marker, std::string_view value) {
    for (auto at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size())) {
        text.replace(at, marker.size(), value);
    }
}

}  // namespace

NoticeText noticeText(const EditorNotice& notice, const LanguageTexts& texts) {
    using Kind = EditorNotice::Kind;
    switch (notice.kind) {
        case Kind::NameBlank:
            return {std::string(texts.text(TextId::MacroNameIsBlank)), std::string(kAppTitle)};
        case Kind::TooManyMacros:
            return {std::string(kTooManyMacros), std::string(kWarningCaption)};
        case Kind::NameExists:
            return {std::string(texts.text(TextId::MacroNameAlreadyExists)),
                    std::string(kAppTitle)};
        case Kind::MacroCut: {
            std::string text(textIn(kMacroCut, texts.language()));
            replaceAll(text, "{kept}", std::to_string(notice.eventsKept));
            replaceAll(text, "{total}", std::to_string(notice.eventsTotal));
            return {std::move(text), std::string(kAppTitle)};
        }
        case Kind::FileNotWritten:
            return {std::string(textIn(kFileNotWritten, texts.language())), std::string(kAppTitle)};
    }
    return {};
}

}  // namespace quorvel
