// The editor's own messages in the window's language: what the design has no words for.
#pragma once

#include <string>

#include "pages/macro_editor.h"
#include "ui/language_texts.h"

namespace quorvel {

struct NoticeText {
    std::string text;
    std::string caption;
};

NoticeText noticeText(const EditorNotice& notice, const LanguageTexts& texts);

}  // namespace quorvel
