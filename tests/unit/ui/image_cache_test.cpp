#include "ui/image_cache.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvel {
namespace {

class FakeImage : public SkinImage {
  public:
    FakeImage(int width, int height, int* alive) : width_(width), height_(height), alive_(alive) {
        ++*alive_;
    }
    ~FakeImage() override { --*alive_; }
    int width() const override { return width_; }
    int height() const override { return height_; }

  private:
    int width_;
    int height_;
    int* alive_;
};

// Decodes the paths it holds; counts every attempt.
class FakeDecoder : public SkinImageDecoder {
  public:
    std::unique_ptr<SkinImage> decode(const std::string& path) override {
        ++attempts[path];
        if (!files.contains(path))
            return nullptr;
        return std::make_unique<FakeImage>(files[path], 1, &alive);
    }
    std::map<std::string, int> files;  // path -> width
    std::map<std::string, int> attempts;
    int alive = 0;
};

class ImageCacheTest : public testing::Test {
  protected:
    ImageCacheTest() {
        decoder.files = {{"A/button-over.png", 105}, {"A/Pane.png", 16}, {"B/button-over.png", 7}};
        cache.setSkinDirectory("A");
    }
    FakeDecoder decoder;
    SkinImageCache cache{decoder};
};

TEST_F(ImageCacheTest, DecodesOnceAndDrawsFromMemoryAfterwards) {
    const SkinImage* first = cache.image("/button-over.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width(), 105);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(cache.image("/button-over.png"), first);
    EXPECT_EQ(decoder.attempts["A/button-over.png"], 1);
    EXPECT_EQ(cache.size(), 1u);
}

TEST_F(ImageCacheTest, MissingFileFailsEveryTimeAndIsFoundOnceItAppears) {
    EXPECT_EQ(cache.image("/button-normal.png"), nullptr);
    EXPECT_EQ(cache.image("/button-normal.png"), nullptr);
    EXPECT_EQ(decoder.attempts["A/button-normal.png"], 2);
    EXPECT_EQ(cache.size(), 0u);

    decoder.files["A/button-normal.png"] = 105;
    ASSERT_NE(cache.image("/button-normal.png"), nullptr);
    EXPECT_EQ(cache.size(), 1u);
}

TEST_F(ImageCacheTest, SkinChangeDropsTheOldImages) {
    ASSERT_NE(cache.image("/button-over.png"), nullptr);
    ASSERT_NE(cache.image("/Pane.png"), nullptr);
    EXPECT_EQ(decoder.alive, 2);

    cache.setSkinDirectory("B");
    EXPECT_EQ(decoder.alive, 0);
    EXPECT_EQ(cache.skinDirectory(), "B");
    const SkinImage* other = cache.image("/button-over.png");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->width(), 7);
    EXPECT_EQ(cache.image("/Pane.png"), nullptr);  // not in skin B
}

TEST_F(ImageCacheTest, SettingTheSameDirectoryKeepsTheImages) {
    ASSERT_NE(cache.image("/button-over.png"), nullptr);
    cache.setSkinDirectory("A");
    ASSERT_NE(cache.image("/button-over.png"), nullptr);
    EXPECT_EQ(decoder.attempts["A/button-over.png"], 1);
}

TEST_F(ImageCacheTest, ClearReleasesEverything) {
    ASSERT_NE(cache.image("/button-over.png"), nullptr);
    cache.clear();
    EXPECT_EQ(decoder.alive, 0);
    ASSERT_NE(cache.image("/button-over.png"), nullptr);
    EXPECT_EQ(decoder.attempts["A/button-over.png"], 2);
}

TEST(ImageCache, ImagesAreReleasedWithTheCache) {
    FakeDecoder decoder;
    decoder.files = {{"/x.png", 1}};
    {
        SkinImageCache cache(decoder);
        ASSERT_NE(cache.image("/x.png"), nullptr);
        EXPECT_EQ(decoder.alive, 1);
    }
    EXPECT_EQ(decoder.alive, 0);
}

}  // namespace
}  // namespace quorvel
