// Decoding and drawing skin images through GDI+ and the blend, under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing_support.h"
#include "platform/win32/dib_image.h"
#include "platform/win32/skin_drawing.h"
#include "platform/win32/wide_text.h"
#include "ui/skin_images.h"

namespace quorvel::win32 {
namespace {

using testing::kImages;
using testing::kSkins;
using testing::rgb;
using testing::Surface;

// Through the cache, as the pages draw; an empty skin directory leaves the path whole.
bool drawFile(HDC target, const std::string& path, int x, int y) {
    Win32SkinImageDecoder decoder;
    SkinImageCache cache(decoder);
    return DrawSkinImage(target, cache, path, x, y);
}

bool isBackground(std::string_view name) {
    return name == skin_image::kBasicBackground || name == skin_image::kAdvancedBackground ||
           name.ends_with("-key.png") || name == skin_image::kDelayTimeBackground ||
           name == skin_image::kSkinsBackground;
}

TEST(ImageLoading, EveryInstalledImageDecodes) {
    for (const char* skin : {"Default", "Crimson", "Frost"}) {
        for (std::string_view name : skin_image::kAll) {
            const std::string path = kSkins + skin + std::string(name);
            std::optional<DibImage> image =
                decodeImageFile(wideFromUtf8(path), Preparation::Premultiplied);
            ASSERT_TRUE(image.has_value()) << path;
            EXPECT_GT(image->width(), 0);
            if (isBackground(name)) {
                EXPECT_FALSE(image->hasAlpha()) << path;
                EXPECT_EQ(image->bitsPerPixel(), 24) << path;
            } else {
                EXPECT_TRUE(image->hasAlpha()) << path;
                EXPECT_EQ(image->bitsPerPixel(), 32) << path;
            }
        }
    }
}

TEST(ImageLoading, TwentyFourBitPngIsCopiedOpaquely) {
    Surface surface(5, 4, rgb(9, 9, 9));
    ASSERT_TRUE(drawFile(surface.dc(), kImages + "opaque24.png", 1, 1));
    const std::vector<testing::Rgb> p = surface.pixels();
    EXPECT_EQ(p[1 * 5 + 1], rgb(255, 0, 0));
    EXPECT_EQ(p[1 * 5 + 2], rgb(0, 255, 0));
    EXPECT_EQ(p[1 * 5 + 3], rgb(0, 0, 255));
    EXPECT_EQ(p[2 * 5 + 1], rgb(1, 2, 3));
    EXPECT_EQ(p[2 * 5 + 2], rgb(128, 64, 32));
    EXPECT_EQ(p[2 * 5 + 3], rgb(255, 255, 255));
    EXPECT_EQ(p[0], rgb(9, 9, 9));          // outside the image
    EXPECT_EQ(p[3 * 5 + 4], rgb(9, 9, 9));  // outside the image
}

TEST(ImageLoading, PageSurfaceHoldsA24BitFileIn32BitsWithItsExactColours) {
    std::optional<DibImage> image =
        decodeImageFile(wideFromUtf8(kImages + "opaque24.png"), Preparation::PageSurface);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->bitsPerPixel(), 32);
    EXPECT_FALSE(image->hasAlpha());
    const std::vector<testing::Rgb> p = testing::readPixels(image->bitmap(), 3, 2);
    EXPECT_EQ(p[0], rgb(255, 0, 0));
    EXPECT_EQ(p[2], rgb(0, 0, 255));
    EXPECT_EQ(p[3], rgb(1, 2, 3));
    EXPECT_EQ(p[4], rgb(128, 64, 32));
}

TEST(ImageLoading, AlphaImageIsPremultipliedBeforeBlending) {
    std::optional<DibImage> image =
        decodeImageFile(wideFromUtf8(kImages + "alpha32.png"), Preparation::Premultiplied);
    ASSERT_TRUE(image.has_value());
    ASSERT_TRUE(image->hasAlpha());
    const std::vector<std::uint32_t> raw = testing::readRawPixels(image->bitmap(), 2, 1);
    EXPECT_EQ(raw[0], 0x80808080u);  // (255, 255, 255, 128) stored as (128, 128, 128, 128)
    EXPECT_EQ(raw[1], 0x00000000u);

    std::optional<DibImage> plain =
        decodeImageFile(wideFromUtf8(kImages + "alpha32.png"), Preparation::Plain);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(testing::readRawPixels(plain->bitmap(), 2, 1)[0], 0x80FFFFFFu);
}

TEST(ImageLoading, TransparentPixelLeavesTheSurfaceUnchanged) {
    Surface surface(2, 1, rgb(200, 30, 40));
    ASSERT_TRUE(drawFile(surface.dc(), kImages + "alpha32.png", 0, 0));
    const std::vector<testing::Rgb> p = surface.pixels();
    EXPECT_EQ(p[1], rgb(200, 30, 40));
    // Half white over the colour: 128 + c * 127 / 255.
    EXPECT_NEAR(static_cast<int>((p[0] >> 16) & 0xFF), 128 + 200 * 127 / 255, 1);
    EXPECT_NEAR(static_cast<int>(p[0] & 0xFF), 128 + 40 * 127 / 255, 1);
}

TEST(ImageLoading, HalfWhiteOverBlackIsHalfGrey) {
    Surface surface(2, 1, rgb(0, 0, 0));
    ASSERT_TRUE(drawFile(surface.dc(), kImages + "alpha32.png", 0, 0));
    EXPECT_EQ(surface.pixels()[0], rgb(128, 128, 128));
}

TEST(ImageLoading, IndexedImageKeepsItsPalette) {
    std::optional<DibImage> image =
        decodeImageFile(wideFromUtf8(kImages + "indexed8.png"), Preparation::Premultiplied);
    ASSERT_TRUE(image.has_value());
    EXPECT_FALSE(image->hasAlpha());
    Surface surface(4, 1, rgb(7, 7, 7));
    ASSERT_TRUE(drawFile(surface.dc(), kImages + "indexed8.png", 0, 0));
    const std::vector<testing::Rgb> p = surface.pixels();
    EXPECT_EQ(p[0], rgb(10, 20, 30));
    EXPECT_EQ(p[1], rgb(200, 100, 50));
    EXPECT_EQ(p[2], rgb(0, 0, 0));
    EXPECT_EQ(p[3], rgb(255, 255, 255));
}

TEST(ImageLoading, MissingOrDamagedFileFails) {
    Surface surface(2, 2, rgb(1, 1, 1));
    EXPECT_FALSE(drawFile(surface.dc(), kImages + "no-such-image.png", 0, 0));
    EXPECT_FALSE(drawFile(surface.dc(), kImages + "make_images.py", 0, 0));
    EXPECT_FALSE(drawFile(nullptr, kImages + "opaque24.png", 0, 0));
    EXPECT_EQ(surface.pixels()[0], rgb(1, 1, 1));
}

TEST(ImageLoading, AKeptImageDrawsAsAFreshlyDecodedOne) {
    Win32SkinImageDecoder decoder;
    SkinImageCache cache(decoder);
    cache.setSkinDirectory(kSkins + "Default");
    Surface cached(105, 21, rgb(20, 30, 40));
    Surface fresh(105, 21, rgb(20, 30, 40));
    ASSERT_TRUE(DrawSkinImage(cached.dc(), cache, skin_image::kButtonOver, 0, 0));
    ASSERT_TRUE(DrawSkinImage(cached.dc(), cache, skin_image::kButtonOver, 0, 0));
    ASSERT_TRUE(drawFile(fresh.dc(), kSkins + "Default/button-over.png", 0, 0));
    ASSERT_TRUE(drawFile(fresh.dc(), kSkins + "Default/button-over.png", 0, 0));
    EXPECT_EQ(cached.pixels(), fresh.pixels());
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_FALSE(DrawSkinImage(cached.dc(), cache, "/no-such-image.png", 0, 0));
}

}  // namespace
}  // namespace quorvel::win32
