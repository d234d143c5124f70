// Decoded skin images kept in memory: each is decoded once per skin directory and then drawn
// from memory. A file that cannot be decoded is not remembered, so it fails (silently) every
// time it is asked for, and is found once it appears.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvel {

// A decoded image, ready to draw; the platform derives its own kind.
class SkinImage {
  public:
    virtual ~SkinImage() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

class SkinImageDecoder {
  public:
    virtual ~SkinImageDecoder() = default;
    // nullptr when the file is missing, unreadable or not an image.
    virtual std::unique_ptr<SkinImage> decode(const std::string& path) = 0;
};

class SkinImageCache {
  public:
    explicit SkinImageCache(SkinImageDecoder& decoder) : decoder_(decoder) {}

    // The image skin directory + fileName, decoded on first use; nullptr when it cannot be had.
    // The pointer stays valid until the skin directory changes or the cache is cleared.
    const SkinImage* image(std::string_view fileName);

    // A different directory drops every image of the old one; the same one keeps them.
    void setSkinDirectory(std::string_view directory);
    const std::string& skinDirectory() const { return directory_; }

    void clear() { images_.clear(); }
    std::size_t size() const { return images_.size(); }

  private:
    SkinImageDecoder& decoder_;
    std::string directory_;
    std::unordered_map<std::string, std::unique_ptr<SkinImage>> images_;
};

}  // namespace quorvel
