// CDelayTimeDialog: a delay in milliseconds for a line of a macro.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/skinned_dialog.h"

namespace quorvel {

class CDelayTimeDialog final : public SkinnedDialog {
  public:
    static constexpr int kDelayBoxId = 600;
    static constexpr Rect kDelayBox{74, 129, 150, 143};
    static constexpr Rect kPrompt{14, 89, 210, 109};
    static constexpr Rect kRange{14, 109, 210, 129};

    explicit CDelayTimeDialog(const DialogLook& look) : SkinnedDialog(look) {}

    int templateId() const override { return 707; }
    std::string_view backgroundImage() const override;
    std::string_view loadFailureCaption() const override {
        return "DelayTime Dialog Load background image failed!!!";
    }
    void onInit(WindowContext& context) override;
    void onEditChange(int controlId, WindowContext& context) override;

    std::int32_t delayValue() const { return delayValue_; }
    const std::string& delayText() const { return delayText_; }

  private:
    void paintContent(Canvas& canvas) override;

    std::int32_t delayValue_ = 0;
    std::string delayText_;
};

}  // namespace quorvel
