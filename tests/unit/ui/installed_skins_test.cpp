// The installed skins hold every image, each sized for the fixed rectangle it is drawn at.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "ui/skin_images.h"

namespace quorvel {
namespace {

const std::string kSkinsRoot = std::string(QUORVEL_TEST_DATA) + "/../../skins/";
constexpr std::array<std::string_view, 3> kInstalledSkins = {"Default", "Crimson", "Frost"};

struct PngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t colourType = 0;
};

// PNG colour types.
constexpr std::uint8_t kRgb = 2;
constexpr std::uint8_t kRgba = 6;

std::uint32_t bigEndian32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

// Signature, then the IHDR chunk: length, "IHDR", width, height, bit depth, colour type.
std::optional<PngHeader> readPngHeader(const std::string& path) {
    constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 26> bytes{};
    if (!file.read(reinterpret_cast<char*>(bytes.data()), bytes.size()))
        return std::nullopt;
    if (std::string_view(reinterpret_cast<const char*>(bytes.data()), 8) != kSignature) {
        return std::nullopt;
    }
    if (std::string_view(reinterpret_cast<const char*>(bytes.data()) + 12, 4) != "IHDR") {
        return std::nullopt;
    }
    return PngHeader{bigEndian32(&bytes[16]), bigEndian32(&bytes[20]), bytes[24], bytes[25]};
}

// Controls are drawn at their rectangle's top-left corner at natural size: exact sizes.
struct ControlImage {
    std::string_view name;
    std::uint32_t width;
    std::uint32_t height;
};

constexpr std::array kControlImages = {
    // Text buttons, e.g. OK (562, 623, 667, 644); the dialogs' OK (166, 253, 271, 274).
    ControlImage{skin_image::kButtonNormal, 105, 21},
    ControlImage{skin_image::kButtonOver, 105, 21},
    // Close (850, 5, 868, 23), minimise (825, 5, 843, 23), skins (701, 5, 719, 23).
    ControlImage{skin_image::kCloseNormal, 18, 18},
    ControlImage{skin_image::kCloseOver, 18, 18},
    ControlImage{skin_image::kMinimiseNormal, 18, 18},
    ControlImage{skin_image::kMinimiseOver, 18, 18},
    ControlImage{skin_image::kSkinsNormal, 18, 18},
    ControlImage{skin_image::kSkinsOver, 18, 18},
    // Previous page (20, 58, 60, 98), next page (70, 58, 110, 98).
    ControlImage{skin_image::kPreviousPageNormal, 40, 40},
    ControlImage{skin_image::kPreviousPageOver, 40, 40},
    ControlImage{skin_image::kNextPageNormal, 40, 40},
    ControlImage{skin_image::kNextPageOver, 40, 40},
    // Key boxes (252, 199, 463, 220).
    ControlImage{skin_image::kDropdownNormal, 211, 21},
    ControlImage{skin_image::kDropdownOver, 211, 21},
    // Report-rate segments (542, 204, 612, 215).
    ControlImage{skin_image::kReportRateLit, 70, 11},
    ControlImage{skin_image::kReportRateUnlit, 70, 11},
    // DPI level cells (554, 500, 570, 516), tick boxes (554, 541, 570, 557).
    ControlImage{skin_image::kDpiLevelLit, 16, 16},
    ControlImage{skin_image::kDpiLevelUnlit, 16, 16},
    ControlImage{skin_image::kTickOff, 16, 16},
    ControlImage{skin_image::kTickOn, 16, 16},
    // Advanced-page slider cells (52, 200, 76, 211).
    ControlImage{skin_image::kSliderLit, 24, 11},
    ControlImage{skin_image::kSliderUnlit, 24, 11},
};

// Backgrounds size their window: they must reach past everything drawn on them.
struct Background {
    std::string_view name;
    std::uint32_t minWidth;
    std::uint32_t minHeight;
};

constexpr std::array kBackgrounds = {
    // Cancel ends at x = 875, the web link at y = 647.
    Background{skin_image::kBasicBackground, 876, 648},
    Background{skin_image::kAdvancedBackground, 876, 648},
    // The dialogs' Cancel ends at (375, 274).
    Background{skin_image::kComboKeyBackground, 376, 275},
    Background{skin_image::kDelayTimeBackground, 376, 275},
    Background{skin_image::kSingleKeyBackground, 376, 275},
    Background{skin_image::kMediaKeyBackground, 376, 275},
    Background{skin_image::kSkinsBackground, 376, 275},
    // The explanation lines end at x = 400.
    Background{skin_image::kFireKeyBackground, 401, 275},
    // The repeat-mode texts end at x = 390, the macro list at y = 285.
    Background{skin_image::kMacroKeyBackground, 391, 286},
    // The shortcut list ends at y = 305.
    Background{skin_image::kWindowsKeyBackground, 376, 306},
    Background{skin_image::kSaveProfileBackground, 376, 275},
};

class InstalledSkin : public testing::TestWithParam<std::string_view> {
  protected:
    std::optional<PngHeader> header(std::string_view name) const {
        return readPngHeader(kSkinsRoot + std::string(GetParam()) + std::string(name));
    }
};

TEST_P(InstalledSkin, HoldsEveryImageOfTheTable) {
    std::size_t checked = 0;
    for (std::string_view name : skin_image::kAll) {
        EXPECT_TRUE(header(name).has_value()) << GetParam() << name;
        ++checked;
    }
    // Installed, though a skin may lack it.
    EXPECT_TRUE(header(skin_image::kSaveProfileBackground).has_value()) << GetParam();
    ++checked;
    EXPECT_EQ(checked, kControlImages.size() + kBackgrounds.size());
}

TEST_P(InstalledSkin, ControlImagesFitTheirRectanglesWithAlpha) {
    for (const ControlImage& image : kControlImages) {
        const std::optional<PngHeader> png = header(image.name);
        ASSERT_TRUE(png.has_value()) << image.name;
        EXPECT_EQ(png->width, image.width) << image.name;
        EXPECT_EQ(png->height, image.height) << image.name;
        EXPECT_EQ(png->colourType, kRgba) << image.name;
        EXPECT_EQ(png->bitDepth, 8) << image.name;
    }
}

TEST_P(InstalledSkin, BackgroundsAreOpaqueAndReachPastTheirContent) {
    for (const Background& image : kBackgrounds) {
        const std::optional<PngHeader> png = header(image.name);
        ASSERT_TRUE(png.has_value()) << image.name;
        EXPECT_GE(png->width, image.minWidth) << image.name;
        EXPECT_GE(png->height, image.minHeight) << image.name;
        EXPECT_LT(png->width, image.minWidth + 60) << image.name;
        EXPECT_LT(png->height, image.minHeight + 60) << image.name;
        EXPECT_EQ(png->colourType, kRgb) << image.name;
    }
}

TEST_P(InstalledSkin, BothPagesHaveTheSameSize) {
    const auto basic = header(skin_image::kBasicBackground);
    const auto advanced = header(skin_image::kAdvancedBackground);
    ASSERT_TRUE(basic && advanced);
    EXPECT_EQ(basic->width, advanced->width);
    EXPECT_EQ(basic->height, advanced->height);
}

INSTANTIATE_TEST_SUITE_P(Skins, InstalledSkin, testing::ValuesIn(kInstalledSkins));

TEST(PngHeaderReader, RejectsWhatIsNotAPng) {
    EXPECT_FALSE(readPngHeader(kSkinsRoot + "no-such-file.png").has_value());
    EXPECT_FALSE(readPngHeader(std::string(QUORVEL_TEST_DATA) + "/vectors/scramble.txt"));
}

}  // namespace
}  // namespace quorvel
