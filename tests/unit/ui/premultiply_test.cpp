#include "ui/premultiply.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace quorvel {
namespace {

using Pixel = std::array<std::uint8_t, 4>;  // B, G, R, A

Pixel premultiplied(Pixel pixel) {
    premultiplyBgra(pixel);
    return pixel;
}

TEST(Premultiply, HalfTransparentWhiteBecomesHalfGrey) {
    EXPECT_EQ(premultiplied({255, 255, 255, 128}), (Pixel{128, 128, 128, 128}));
}

TEST(Premultiply, FullyTransparentPixelLosesItsColour) {
    // A zero colour with zero alpha is what leaves the surface unchanged under source-over.
    EXPECT_EQ(premultiplied({200, 10, 255, 0}), (Pixel{0, 0, 0, 0}));
}

TEST(Premultiply, OpaquePixelIsUnchanged) {
    EXPECT_EQ(premultiplied({1, 127, 254, 255}), (Pixel{1, 127, 254, 255}));
}

TEST(Premultiply, QuotientTruncates) {
    // 100 * 100 / 255 = 39.2, 254 * 1 / 255 = 0.99.
    EXPECT_EQ(premultiplied({100, 254, 255, 100}), (Pixel{39, 99, 100, 100}));
    EXPECT_EQ(premultiplied({254, 255, 128, 1}), (Pixel{0, 1, 0, 1}));
}

TEST(Premultiply, EveryPixelOfARowAndNoByteBeyondIt) {
    std::array<std::uint8_t, 10> bytes = {255, 255, 255, 0, 255, 255, 255, 51, 77, 88};
    premultiplyBgra(bytes);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 10>{0, 0, 0, 0, 51, 51, 51, 51, 77, 88}));
    // Less than one pixel: no alpha to read, nothing to change.
    std::array<std::uint8_t, 3> partial = {10, 20, 30};
    premultiplyBgra(partial);
    EXPECT_EQ(partial, (std::array<std::uint8_t, 3>{10, 20, 30}));
}

}  // namespace
}  // namespace quorvel
