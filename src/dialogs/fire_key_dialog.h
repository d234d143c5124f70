// CFireKeyDialog: the target of a rapid fire, how fast it repeats and how often.
#pragma once

#include <cstdint>
#include <string>

#include "dialogs/key_dialogs.h"
#include "dialogs/number_boxes.h"
#include "dialogs/skinned_dialog.h"

namespace quorvel {

class CFireKeyDialog final : public SkinnedDialog {
  public:
    static constexpr int kTargetDisplayId = 572;
    static constexpr int kTargetListId = 573;
    static constexpr int kSpeedBoxId = 574;
    static constexpr int kTimesBoxId = 575;
    static constexpr Rect kTargetDisplay{50, 70, 116, 84};
    static constexpr DropDownLayout kTargetDropDown{
        kTargetListId, {50, 70, 132, 84}, {50, 86, 132, 256}};
    static constexpr Rect kSpeedBox{50, 120, 131, 134};
    static constexpr Rect kTimesBox{50, 170, 131, 184};

    explicit CFireKeyDialog(const DialogLook& look)
        : SkinnedDialog(look), targets_(kTargetDropDown) {}

    int templateId() const override { return 704; }
    std::string_view backgroundImage() const override;
    std::string_view loadFailureCaption() const override {
        return "FireKey Dialog Load background image failed!!!";
    }
    void onInit(WindowContext& context) override;
    void onEditChange(int controlId, WindowContext& context) override;
    void onEditKillFocus(int controlId, WindowContext& context) override;

    FireKeyDialogResult result() const { return {targetPosition_, targetName_, speed_, times_}; }

  private:
    void paintContent(Canvas& canvas) override;
    void beforeOk(WindowContext& context) override;
    DialogDropDown* dropDown() override { return &targets_; }
    std::vector<std::string> dropDownEntries() const override;
    void beforeDropDownOpens(WindowContext& context) override;
    void afterDropDownCloses(WindowContext& context) override;
    void onDropDownChosen(const ChosenEntry& entry, WindowContext& context) override;
    void commitSpeed(WindowContext& context);

    DialogDropDown targets_;
    int targetPosition_ = 0;
    std::string targetName_;
    std::uint8_t speed_ = kDefaultFireSpeed;
    std::uint8_t times_ = kDefaultFireTimes;
};

}  // namespace quorvel
