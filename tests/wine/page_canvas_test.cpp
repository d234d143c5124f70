// The main window's page surface: background set-up, composing, the missing-image rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "drawing_support.h"
#include "platform/win32/dib_image.h"
#include "platform/win32/page_canvas.h"
#include "platform/win32/skin_drawing.h"
#include "platform/win32/wide_text.h"
#include "ui/skin_images.h"
#include "ui/skin_path.h"

namespace quorvel::win32 {
namespace {

using testing::kImages;
using testing::kSkins;
using testing::Rgb;
using testing::rgb;

constexpr Rect kOk{562, 623, 667, 644};
constexpr Rect kExpectedRegion{552, 613, 677, 654};  // expected-ok-button.png

std::vector<Rgb> region(const PageSurface& surface, const Rect& r) {
    GdiFlush();
    const std::vector<Rgb> all =
        testing::readPixels(surface.bitmap(), surface.width(), surface.height());
    std::vector<Rgb> part;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            part.push_back(all[static_cast<std::size_t>(y) * surface.width() + x]);
        }
    }
    return part;
}

int channelDistance(Rgb a, Rgb b) {
    int worst = 0;
    for (int shift : {0, 8, 16}) {
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
    }
    return worst;
}

class PageCanvasTest : public ::testing::Test {
  protected:
    void setUpSkin(const std::string& directory) {
        cache.setSkinDirectory(directory);
        ASSERT_TRUE(setUpBackground(window.get(), SkinPath(directory, skin_image::kBasicBackground),
                                    surface));
    }

    testing::TestWindow window;
    PageSurface surface;
    SkinFonts fonts = SkinFonts::forLanguage("EN");
    Win32SkinImageDecoder decoder;
    SkinImageCache cache{decoder};
};

TEST_F(PageCanvasTest, BackgroundSizesTheWindowAndBecomesThePageSurface) {
    setUpSkin(kSkins + "Default");
    RECT bounds{};
    GetWindowRect(window.get(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 900);
    EXPECT_EQ(bounds.bottom - bounds.top, 660);
    EXPECT_EQ(bounds.left, 10);  // not moved
    EXPECT_TRUE(surface.exists());
    EXPECT_EQ(surface.width(), 900);
}

TEST_F(PageCanvasTest, MissingBackgroundLeavesNoSurfaceAndAnEmptyWindow) {
    EXPECT_FALSE(setUpBackground(window.get(), kImages + "no-such-image.png", surface));
    EXPECT_FALSE(surface.exists());
    RECT bounds{};
    GetWindowRect(window.get(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
    PageCanvas canvas(window.get(), surface, fonts, cache);
    EXPECT_FALSE(canvas.drawImage(skin_image::kButtonNormal, 0, 0));
    canvas.drawText("OK", kOk, TextPlacement::Centre, FontRole::Text, kWhite);
    canvas.copyToScreen();
}

TEST_F(PageCanvasTest, ButtonOnTheBasicPageMatchesTheExpectedImage) {
    setUpSkin(kSkins + "Default");
    PageCanvas canvas(window.get(), surface, fonts, cache);
    EXPECT_TRUE(canvas.drawImage(skin_image::kButtonNormal, kOk.left, kOk.top));
    canvas.copyToScreen();

    std::optional<DibImage> expected =
        decodeImageFile(wideFromUtf8(kImages + "expected-ok-button.png"), Preparation::Plain);
    ASSERT_TRUE(expected.has_value());
    const std::vector<Rgb> want =
        testing::readPixels(expected->bitmap(), expected->width(), expected->height());
    const std::vector<Rgb> got = region(surface, kExpectedRegion);
    ASSERT_EQ(got.size(), want.size());
    int worst = 0;
    for (std::size_t i = 0; i < got.size(); ++i)
        worst = std::max(worst, channelDistance(got[i], want[i]));
    EXPECT_LE(worst, 2);
}

TEST_F(PageCanvasTest, CaptionIsDrawnInTheTextColour) {
    setUpSkin(kSkins + "Default");
    const std::vector<Rgb> before = region(surface, kOk);
    PageCanvas canvas(window.get(), surface, fonts, cache);
    canvas.drawText("Apply", kOk, TextPlacement::Centre, FontRole::Text, rgbColour(255, 0, 0));
    canvas.copyToScreen();
    const std::vector<Rgb> after = region(surface, kOk);
    int red = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] != before[i] && ((after[i] >> 16) & 0xFF) > 150)
            ++red;
    }
    EXPECT_GT(red, 10);
}

class SkinWithoutOverImage : public PageCanvasTest {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        directory_ = std::wstring(temp) + L"quorvel-skin-without-over";
        CreateDirectoryW(directory_.c_str(), nullptr);
        for (std::string_view name : skin_image::kAll) {
            const std::wstring to = directory_ + wideFromUtf8(name);
            DeleteFileW(to.c_str());
            if (name == skin_image::kButtonOver)
                continue;
            const std::wstring from = wideFromUtf8(kSkins + "Default" + std::string(name));
            ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE));
        }
    }
    void TearDown() override {
        for (std::string_view name : skin_image::kAll) {
            DeleteFileW((directory_ + wideFromUtf8(name)).c_str());
        }
        RemoveDirectoryW(directory_.c_str());
    }
    std::string directory() const {
        std::string narrow;
        for (wchar_t c : directory_)
            narrow.push_back(static_cast<char>(c));  // ASCII temp path
        return narrow;
    }
    std::wstring directory_;
};

TEST_F(SkinWithoutOverImage, HoverLeavesTheButtonAsItWasWithoutAMessage) {
    setUpSkin(directory());
    PageCanvas canvas(window.get(), surface, fonts, cache);
    ASSERT_TRUE(canvas.drawImage(skin_image::kButtonNormal, kOk.left, kOk.top));
    canvas.copyToScreen();
    const std::vector<Rgb> normal = region(surface, kOk);

    // Twice: a missing image fails every time it is asked for. The canvas has no message
    // port at all, so nothing can be shown.
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(canvas.drawImage(skin_image::kButtonOver, kOk.left, kOk.top));
        canvas.copyToScreen();
        EXPECT_EQ(region(surface, kOk), normal);
    }
    EXPECT_TRUE(canvas.drawImage(skin_image::kButtonNormal, kOk.left, kOk.top));
}

TEST_F(PageCanvasTest, EraseAnswerCopiesThePageAndReportsItErased) {
    setUpSkin(kSkins + "Default");
    HDC dc = GetDC(window.get());
    EXPECT_NE(eraseBackground(window.get(), dc, surface), 0);
    ReleaseDC(window.get(), dc);
}

}  // namespace
}  // namespace quorvel::win32

namespace quorvel::win32 {
namespace {

LOGFONTW describe(HFONT font) {
    LOGFONTW log{};
    GetObjectW(font, sizeof(log), &log);
    return log;
}

TEST(SkinFontsTest, FontsAreMadeFromTheLanguageChoice) {
    const SkinFonts chinese(chooseFonts(Language::SimplifiedChinese, WindowsVersion{6, 1}));
    const LOGFONTW text = describe(chinese.font(FontRole::Text));
    EXPECT_STREQ(text.lfFaceName, L"宋体");
    EXPECT_EQ(text.lfHeight, 13);
    EXPECT_EQ(text.lfWeight, 400);
    EXPECT_EQ(text.lfPitchAndFamily, 0x20);
    const LOGFONTW title = describe(chinese.font(FontRole::Title));
    EXPECT_EQ(title.lfHeight, 18);
    EXPECT_EQ(title.lfWeight, 700);

    const SkinFonts english = SkinFonts::forLanguage("EN");
    EXPECT_STREQ(describe(english.font(FontRole::Text)).lfFaceName, L"Arial");
    EXPECT_STREQ(describe(english.font(FontRole::Title)).lfFaceName, L"Tahoma");
}

TEST(SkinFontsTest, VersionComesFromGetVersion) {
    const WindowsVersion version = windowsVersion();
    const DWORD raw = GetVersion();
    EXPECT_EQ(version.major, LOBYTE(LOWORD(raw)));
    EXPECT_EQ(version.minor, HIBYTE(LOWORD(raw)));
    EXPECT_GE(version.major, 5);
}

}  // namespace
}  // namespace quorvel::win32
