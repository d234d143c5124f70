// The basic page draws itself onto a real page surface, in English and in Simplified Chinese.
// With QUORVEL_SCREENSHOT_DIR set, the pages are saved there as BMP files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "config/language.h"
#include "drawing_support.h"
#include "pages/basic_page.h"
#include "pages/basic_page_rules.h"
#include "platform/win32/page_canvas.h"
#include "platform/win32/skin_drawing.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_controls.h"
#include "support/recording_message_box.h"
#include "ui/skin_images.h"
#include "ui/skin_path.h"
#include "unit/pages/fake_key_dialogs.h"

namespace quorvel::win32 {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 660;
constexpr Rect kTitleArea{120, 58, 352, 98};

class SurfaceContext : public WindowContext {
  public:
    SurfaceContext(Canvas& canvas, ControlsPort& controls) : canvas_(canvas), controls_(controls) {}
    Canvas& canvas() override { return canvas_; }
    ControlsPort& controls() override { return controls_; }
    MessageBoxPort& messages() override { return messages_; }
    void endModal(DialogEnd) override {}
    void dragWindow(int, int) override {}
    void trackHover(HoverRequest) override {}
    HookInstall installKeyboardHook() override { return {}; }
    void removeKeyboardHook() override {}

  private:
    Canvas& canvas_;
    ControlsPort& controls_;
    quorvel::testing::RecordingMessageBox messages_;
};

// The page in the default skin over a hidden window, as the main window holds it.
class PageRig {
  public:
    explicit PageRig(std::string_view languageCode)
        : texts_(languageFromCode(languageCode)),
          fonts_(SkinFonts::forLanguage(languageCode)),
          cache_(decoder_) {
        const std::string skin = testing::kSkins + "Default";
        cache_.setSkinDirectory(skin);
        loaded =
            setUpBackground(window_.get(), SkinPath(skin, skin_image::kBasicBackground), surface_);
        controls_.attach(window_.get());
        shared.textColour = Colour{230, 230, 230};
        labels = defaultLabelTexts(texts_);
    }

    std::vector<testing::Rgb> paint() {
        page_.paint(context_);
        GdiFlush();
        return testing::readPixels(surface_.bitmap(), kWidth, kHeight);
    }
    HBITMAP bitmap() const { return surface_.bitmap(); }
    MouseConfig& config() { return shared.records.live; }

    bool loaded = false;
    SharedUiState shared;
    ButtonLabels labels;

  private:
    testing::TestWindow window_;
    LanguageTexts texts_;
    SkinFonts fonts_;
    PageSurface surface_;
    Win32SkinImageDecoder decoder_;
    SkinImageCache cache_;
    Win32Controls controls_;
    test::FakeKeyDialogs keyDialogs_;
    PageCanvas canvas_{window_.get(), surface_, fonts_, cache_};
    SurfaceContext context_{canvas_, controls_};
    BasicPage page_{BasicPageEnv{shared, texts_, labels, keyDialogs_}};
};

int brightPixels(const std::vector<testing::Rgb>& pixels, const Rect& area) {
    int bright = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            bright += (pixels[static_cast<std::size_t>(y) * kWidth + x] & 0xFF) > 200;
    }
    return bright;
}

// Pixels that differ between two drawings, and how many of them lie outside `allowed`.
struct Change {
    int inside = 0;
    int outside = 0;
};
Change changeBetween(const std::vector<testing::Rgb>& before,
                     const std::vector<testing::Rgb>& after, const std::vector<Rect>& allowed) {
    Change change;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * kWidth + x;
            if (before[at] == after[at])
                continue;
            bool expected = false;
            for (const Rect& r : allowed)
                expected = expected || r.contains(x, y);
            ++(expected ? change.inside : change.outside);
        }
    }
    return change;
}

class BasicPageRender : public ::testing::TestWithParam<const char*> {};

TEST_P(BasicPageRender, TitleAndKeyLabelsReachTheSurfaceInTheLanguage) {
    PageRig rig(GetParam());
    ASSERT_TRUE(rig.loaded);
    const auto page = rig.paint();
    // The title font must put ink in its area in either language.
    EXPECT_GT(brightPixels(page, kTitleArea), 40);

    // A key box shows its label: blank labels leave the boxes without it.
    const ButtonLabels shown = rig.labels;
    rig.labels = ButtonLabels{};
    const auto blank = rig.paint();
    std::vector<Rect> boxes;
    for (int b = 0; b < kShownKeyBoxes; ++b)
        boxes.push_back(keyBoxRect(b));
    const Change labelInk = changeBetween(blank, page, boxes);
    EXPECT_GT(labelInk.inside, 6 * 20);
    EXPECT_EQ(labelInk.outside, 0);

    if (const char* dir = std::getenv("QUORVEL_SCREENSHOT_DIR")) {
        rig.labels = shown;
        rig.paint();
        const std::wstring path =
            wideFromUtf8(std::string(dir) + "/basic-page-" + GetParam() + ".bmp");
        EXPECT_TRUE(testing::saveBmp(rig.bitmap(), kWidth, kHeight, path));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, BasicPageRender, ::testing::Values("EN", "CHS"));

TEST(BasicPageRecordRender, EachSettingRedrawsOnlyItsOwnPlace) {
    PageRig rig("EN");
    ASSERT_TRUE(rig.loaded);
    MouseConfig& config = rig.config();
    config.setReportRate(kReportRates[0].code);
    for (int stage = 1; stage <= kStageCount; ++stage) {
        config.setStageEnabled(stage, true);
        config.setDpiValueIndex(stage, 0);
    }
    const auto before = rig.paint();

    // 125 Hz to 1000 Hz: the lit segment moves from the first to the last.
    config.setReportRate(kReportRates[3].code);
    const auto rate = rig.paint();
    const Change rateChange = changeBetween(before, rate, {reportRateRect(0), reportRateRect(3)});
    EXPECT_GT(rateChange.inside, 0);
    EXPECT_EQ(rateChange.outside, 0);

    // Stage 2 up to level 5 lights cells 2 to 5 of its column and nothing else.
    config.setDpiValueIndex(2, 4);
    const auto level = rig.paint();
    std::vector<Rect> cells;
    for (int l = 2; l <= 5; ++l)
        cells.push_back(dpiLevelCell(2, l));
    const Change levelChange = changeBetween(rate, level, cells);
    EXPECT_GT(levelChange.inside, 0);
    EXPECT_EQ(levelChange.outside, 0);

    // Stage 3 off: its tick and its one lit cell change.
    config.setStageEnabled(3, false);
    const Change offChange =
        changeBetween(level, rig.paint(), {stageTickRect(3), dpiLevelCell(3, 1)});
    EXPECT_GT(offChange.inside, 0);
    EXPECT_EQ(offChange.outside, 0);
}

}  // namespace
}  // namespace quorvel::win32
