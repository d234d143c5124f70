// Composes the whole basic page the way the main window draws it, in English and in
// Simplified Chinese. With QUORVEL_SCREENSHOT_DIR set, the pages are saved there as BMP files.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawing_support.h"
#include "platform/win32/page_canvas.h"
#include "platform/win32/skin_drawing.h"
#include "platform/win32/wide_text.h"
#include "ui/skin_images.h"
#include "ui/skin_path.h"

namespace quorvel::win32 {
namespace {

namespace img = skin_image;

struct PageTexts {
    const char* language;
    const char* title;
    std::array<const char*, 4> headings;  // key, report rate, DPI, DPI effect
    std::array<const char*, 4> buttons;   // OK, Apply, Cancel, Default
    std::array<const char*, 6> labels;
    std::array<const char*, 3> lighting;  // Mode, Parameter, Effect
    std::array<const char*, 3> values;
};

constexpr PageTexts kEnglish{
    "EN",
    "Basic Settings",
    {"Key Setting", "Report Rate Setting", "DPI Setting", "DPI Effect"},
    {"OK", "Apply", "Cancel", "Default"},
    {"Left Click", "Right Click", "Mid Click", "Forward", "Backward", "DPI Loop"},
    {"Mode", "Parameter", "Effect"},
    {"Standard", "55%", "RGB Effect"},
};

constexpr PageTexts kSimplifiedChinese{
    "CHS",
    "基本设置",
    {"按键设置", "回报率设置", "DPI设置", "DPI灯效"},
    {"确定", "应用", "取消", "默认"},
    {"左键", "右键", "中键", "前进", "后退", "DPI Loop"},
    {"模式", "参数", "效果"},
    {"常亮", "55%", "RGB效果"},
};

constexpr Colour kText = rgbColour(230, 230, 230);

// Draws every image of the page; returns how many could not be drawn.
int drawBasicPage(Canvas& c, const PageTexts& t) {
    int failed = 0;
    auto image = [&](std::string_view name, int x, int y) {
        if (!c.drawImage(name, x, y))
            ++failed;
    };
    auto text = [&](const char* s, Rect r, TextPlacement p) {
        c.drawText(s, r, p, FontRole::Text, kText);
    };
    image(img::kBasicBackground, 0, 0);
    image(img::kMinimiseNormal, 825, 5);
    image(img::kCloseNormal, 850, 5);
    image(img::kSkinsNormal, 701, 5);
    const std::array<Rect, 4> buttons = {Rect{562, 623, 667, 644}, Rect{666, 623, 771, 644},
                                         Rect{770, 623, 875, 644}, Rect{307, 549, 412, 570}};
    for (const Rect& r : buttons)
        image(img::kButtonNormal, r.left, r.top);
    image(img::kPreviousPageNormal, 20, 58);
    image(img::kNextPageOver, 70, 58);
    for (int k = 0; k < 6; ++k) {
        image(k == 1 ? img::kDropdownOver : img::kDropdownNormal, 252, 199 + 23 * k);
    }
    for (int s = 0; s < 4; ++s)
        image(img::kReportRateUnlit, 542 + 72 * s, 204);
    c.drawText(t.title, Rect{120, 58, 352, 98}, TextPlacement::Left, FontRole::Title, kWhite);
    const std::array<Rect, 4> headings = {Rect{259, 160, 364, 181}, Rect{504, 161, 609, 182},
                                          Rect{504, 275, 609, 296}, Rect{704, 275, 809, 296}};
    for (int i = 0; i < 4; ++i)
        text(t.headings[i], headings[i], TextPlacement::Centre);
    text("www.quorvel.example", Rect{273, 627, 449, 647}, TextPlacement::Centre);
    for (int i = 0; i < 4; ++i)
        text(t.buttons[i], buttons[i], TextPlacement::Centre);
    for (int k = 0; k < 6; ++k) {
        const int top = 199 + 23 * k;
        const std::string number = std::to_string(k + 1);
        text(number.c_str(), Rect{257, top, 272, top + 21}, TextPlacement::Left);
        text(t.labels[k], Rect{277, top, 463, top + 21}, TextPlacement::Left);
    }
    image(img::kButtonOver, 253, 518);
    image(img::kButtonNormal, 357, 518);
    text("Mode A", Rect{253, 518, 358, 539}, TextPlacement::Centre);
    text("Mode B", Rect{357, 518, 462, 539}, TextPlacement::Centre);
    const std::array<const char*, 4> rates = {"125", "250", "500", "1000"};
    for (int s = 0; s < 4; ++s) {
        text(rates[s], Rect{542 + 72 * s, 225, 612 + 72 * s, 245}, TextPlacement::TopCentre);
    }
    text("Color", Rect{494, 523, 544, 539}, TextPlacement::Right);
    text("Select", Rect{494, 541, 544, 557}, TextPlacement::Right);
    for (int i = 0; i < 3; ++i) {
        const int top = 330 + 30 * i;
        text(t.lighting[i], Rect{697, top, 757, top + 14}, TextPlacement::Right);
        text(t.values[i], Rect{767, top, 835, top + 14}, TextPlacement::Centre);
    }
    const std::array<const char*, 12> dpi = {"250",  "500",  "750",  "1000", "1250", "1500",
                                             "1750", "2000", "2500", "3000", "3500", "4000"};
    for (int n = 1; n <= 12; ++n) {
        const int top = 500 - 18 * (n - 1);
        text(dpi[n - 1], Rect{514, top, 544, top + 16}, TextPlacement::Right);
    }
    image(img::kReportRateLit, 758, 204);
    const std::array<int, 4> lit = {3, 5, 8, 0};
    for (int col = 0; col < 4; ++col) {
        const int x = 554 + 27 * col;
        image(lit[col] > 0 ? img::kTickOn : img::kTickOff, x, 541);
        for (int n = 1; n <= 12; ++n) {
            image(n <= lit[col] ? img::kDpiLevelLit : img::kDpiLevelUnlit, x, 500 - 18 * (n - 1));
        }
        const std::string number = std::to_string(col + 1);
        text(number.c_str(), Rect{x, 562, x + 16, 587}, TextPlacement::TopCentre);
    }
    c.copyToScreen();
    return failed;
}

class BasicPageRender : public ::testing::TestWithParam<const PageTexts*> {};

TEST_P(BasicPageRender, EveryImageOfThePageIsDrawn) {
    const PageTexts& texts = *GetParam();
    testing::TestWindow window;
    PageSurface surface;
    Win32SkinImageDecoder decoder;
    SkinImageCache cache(decoder);
    const std::string skin = testing::kSkins + "Default";
    cache.setSkinDirectory(skin);
    ASSERT_TRUE(setUpBackground(window.get(), SkinPath(skin, img::kBasicBackground), surface));
    const SkinFonts fonts = SkinFonts::forLanguage(texts.language);

    // The title area before and after: the title font must put ink there in either language.
    const auto titleInk = [&] {
        GdiFlush();
        const auto all = testing::readPixels(surface.bitmap(), 900, 660);
        int bright = 0;
        for (int y = 58; y < 98; ++y) {
            for (int x = 120; x < 352; ++x)
                bright += (all[y * 900 + x] & 0xFF) > 200;
        }
        return bright;
    };
    PageCanvas canvas(window.get(), surface, fonts, cache);
    EXPECT_EQ(drawBasicPage(canvas, texts), 0);
    EXPECT_GT(titleInk(), 40);

    if (const char* dir = std::getenv("QUORVEL_SCREENSHOT_DIR")) {
        const std::wstring path =
            wideFromUtf8(std::string(dir) + "/basic-page-" + texts.language + ".bmp");
        EXPECT_TRUE(testing::saveBmp(surface.bitmap(), 900, 660, path));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, BasicPageRender,
                         ::testing::Values(&kEnglish, &kSimplifiedChinese));

}  // namespace
}  // namespace quorvel::win32
