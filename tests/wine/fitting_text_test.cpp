// Texts wider than their fixed rectangles: shown whole in a smaller size of their font, or, for
// headings with room beside them, at full size past both ends; never cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawing_support.h"
#include "platform/win32/fitting_font.h"
#include "platform/win32/page_canvas.h"
#include "platform/win32/skin_drawing.h"
#include "platform/win32/win32_controls.h"
#include "ui/skin_images.h"
#include "ui/skin_path.h"

namespace quorvel::win32 {
namespace {

constexpr std::wstring_view kLong = L"RGB Fixed On";
constexpr int kLabelWidth = 68;  // the lighting value labels

int cellHeight(HFONT font) {
    LOGFONTW face{};
    GetObjectW(font, sizeof(face), &face);
    return face.lfHeight;
}

class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

TEST(FittingFontTest, TextKeepsTheFontItFitsAndTakesTheLargestSmallerSizeOtherwise) {
    const SkinFonts fonts = SkinFonts::forLanguage("EN");
    HFONT base = fonts.font(FontRole::Text);
    FittingFont fitting(base);
    ScreenDc screen;
    ASSERT_GT(textWidth(screen.get(), base, kLong), kLabelWidth) << "the case needs a wide text";

    EXPECT_EQ(fitting.fit(screen.get(), L"Neon", kLabelWidth), base);

    HFONT smaller = fitting.fit(screen.get(), kLong, kLabelWidth);
    EXPECT_LE(textWidth(screen.get(), smaller, kLong), kLabelWidth);
    EXPECT_LT(cellHeight(smaller), cellHeight(base));
    // The largest that fits: one size up does not.
    if (cellHeight(smaller) + 1 < cellHeight(base)) {
        const UniqueFont larger(createSkinFont(FontSpec{"Arial", cellHeight(smaller) + 1, 400}));
        EXPECT_GT(textWidth(screen.get(), larger.get(), kLong), kLabelWidth);
    }

    // Too wide for any size: the smallest, and never below it.
    HFONT smallest = fitting.fit(screen.get(), kLong, 5);
    EXPECT_EQ(cellHeight(smallest), FittingFont::kSmallestHeight);
}

struct Ink {
    int left = 1 << 20;
    int right = -1;  // last column with ink
    int top = 1 << 20;
    int bottom = -1;  // last row with ink
};

// Where `after` differs from `before` inside `area` of a 900-pixel-wide page.
Ink inkBetween(const std::vector<testing::Rgb>& before, const std::vector<testing::Rgb>& after,
               const Rect& area) {
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (after[y * 900 + x] == before[y * 900 + x])
                continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

TEST(TextOnThePage, WideTextShrinksIntoItsRectangleOrRunsPastBothEndsWhereAllowed) {
    testing::TestWindow window;
    PageSurface surface;
    const std::string skin = testing::kSkins + "Default";
    Win32SkinImageDecoder decoder;
    SkinImageCache cache(decoder);
    cache.setSkinDirectory(skin);
    ASSERT_TRUE(
        setUpBackground(window.get(), SkinPath(skin, skin_image::kBasicBackground), surface));
    const SkinFonts fonts = SkinFonts::forLanguage("EN");
    PageCanvas canvas(window.get(), surface, fonts, cache);
    const auto pixels = [&] {
        GdiFlush();
        return testing::readPixels(surface.bitmap(), 900, 660);
    };
    // Two narrow rectangles one above the other; the strips around them take any overflow.
    constexpr Rect kFitted{400, 20, 460, 40};
    constexpr Rect kOverflowing{400, 50, 460, 70};
    const auto before = pixels();
    canvas.drawText("RGB Fixed On", kFitted, TextPlacement::Centre, FontRole::Text, kWhite);
    canvas.drawText("RGB Fixed On", kOverflowing, TextPlacement::CentreOverflow, FontRole::Text,
                    kWhite);
    canvas.copyToScreen();
    const auto after = pixels();

    const Ink fitted = inkBetween(before, after, {300, 15, 560, 45});
    ASSERT_GE(fitted.right, 0);
    EXPECT_GE(fitted.left, kFitted.left);
    EXPECT_LT(fitted.right, kFitted.right);

    const Ink full = inkBetween(before, after, {300, 45, 560, 75});
    ASSERT_GE(full.right, 0);
    EXPECT_LT(full.left, kOverflowing.left);
    EXPECT_GE(full.right, kOverflowing.right);
    EXPECT_NEAR(kOverflowing.left - full.left, full.right + 1 - kOverflowing.right, 3);
    // The fitted one is the same text in a smaller size, not a cut piece of it.
    EXPECT_LT(fitted.bottom - fitted.top, full.bottom - full.top);
}

TEST(FittingLabelTest, LabelTakesASmallerFontForAWideTextAndItsOwnForAShortOne) {
    testing::TestWindow owner;
    const SkinFonts fonts = SkinFonts::forLanguage("EN");
    Win32Controls controls;
    controls.attach(owner.get());
    controls.setFont(fonts.font(FontRole::Text));
    constexpr int kLabel = 82;
    ASSERT_TRUE(controls.create(kLabel, ControlKind::CentredLabel, {10, 10, 10 + kLabelWidth, 24},
                                "RGB Fixed On"));
    HWND label = GetDlgItem(owner.get(), kLabel);
    const auto labelFont = [&] {
        return reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    };
    ScreenDc screen;
    EXPECT_NE(labelFont(), fonts.font(FontRole::Text));
    EXPECT_LE(textWidth(screen.get(), labelFont(), kLong), kLabelWidth);

    controls.setText(kLabel, "Neon");
    EXPECT_EQ(labelFont(), fonts.font(FontRole::Text));
    controls.setText(kLabel, "RGB Fixed On");
    EXPECT_LE(textWidth(screen.get(), labelFont(), kLong), kLabelWidth);
    EXPECT_EQ(controls.text(kLabel), "RGB Fixed On");

    // A static with room for two lines breaks the text there and keeps its own font.
    constexpr int kTall = 83;
    ASSERT_TRUE(controls.create(kTall, ControlKind::StaticText, {10, 30, 10 + kLabelWidth, 70},
                                "RGB Fixed On"));
    EXPECT_EQ(
        reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(owner.get(), kTall), WM_GETFONT, 0, 0)),
        fonts.font(FontRole::Text));
}

}  // namespace
}  // namespace quorvel::win32
