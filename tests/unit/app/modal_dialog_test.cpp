// A press in a sub-dialog: the dialog's first look, the shared buttons, then its own areas.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/modal_dialog.h"

namespace quorvel::test {
namespace {

class Recorder : public ModalDialog, public DialogControl {
  public:
    int templateId() const override { return 701; }
    std::string_view backgroundImage() const override { return "/single-key.png"; }
    std::string_view loadFailureCaption() const override { return "caption"; }
    bool onPressFirst(int x, int, DialogControl&) override {
        seen.push_back("first");
        return takeFirst && x < 200;
    }
    void onPress(int, int, DialogControl&) override { seen.push_back("own"); }
    void endDialog(DialogEnd how) override { end = how; }

    bool takeFirst = false;
    std::optional<DialogEnd> end;
    std::vector<std::string> seen;
};

std::optional<DialogEnd> pressAt(int x, int y, bool takeFirst = false) {
    Recorder dialog;
    dialog.takeFirst = takeFirst;
    routeDialogPress(dialog, dialog, x, y);
    return dialog.end;
}

TEST(DialogPress, SharedButtonsEndTheRun) {
    EXPECT_EQ(pressAt(166, 253), DialogEnd::Ok);
    EXPECT_EQ(pressAt(374, 273), DialogEnd::Cancel);
    EXPECT_EQ(pressAt(352, 6), DialogEnd::Cancel);  // close
    EXPECT_EQ(pressAt(270, 260), DialogEnd::Ok);    // OK and Cancel share x = 270
    EXPECT_EQ(pressAt(271, 260), DialogEnd::Cancel);
    EXPECT_EQ(pressAt(375, 260), std::nullopt);  // right edge is outside
    EXPECT_EQ(pressAt(200, 274), std::nullopt);  // bottom edge is outside
}

TEST(DialogPress, TheDialogLooksFirstAndGetsWhatNoButtonTook) {
    Recorder dialog;
    routeDialogPress(dialog, dialog, 50, 50);
    EXPECT_EQ(dialog.seen, (std::vector<std::string>{"first", "own"}));
    EXPECT_EQ(dialog.end, std::nullopt);
    // An open list over the OK button keeps the press: the run goes on.
    EXPECT_EQ(pressAt(180, 260, true), std::nullopt);
    EXPECT_EQ(pressAt(220, 260, true), DialogEnd::Ok);
}

}  // namespace
}  // namespace quorvel::test
