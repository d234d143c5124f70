// The decoder that fills the image cache, and drawing from it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/win32/dib_image.h"
#include "platform/win32/unique_handle.h"
#include "ui/image_cache.h"

namespace quorvel::win32 {

// A cached image: the prepared section stays selected in its own memory context, so drawing
// it again costs one blend.
class CachedSkinImage : public SkinImage {
  public:
    explicit CachedSkinImage(DibImage image);
    ~CachedSkinImage() override;
    CachedSkinImage(const CachedSkinImage&) = delete;
    CachedSkinImage& operator=(const CachedSkinImage&) = delete;

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    bool hasAlpha() const { return image_.hasAlpha(); }
    bool draw(HDC target, int x, int y) const;

  private:
    DibImage image_;
    UniqueMemoryDc memory_;
    HGDIOBJ previous_ = nullptr;
};

class Win32SkinImageDecoder : public SkinImageDecoder {
  public:
    std::unique_ptr<SkinImage> decode(const std::string& path) override;
};

// Draws skin directory + fileName from the cache, decoding it on first use; silent on failure.
bool DrawSkinImage(HDC target, SkinImageCache& cache, std::string_view fileName, int x, int y);

}  // namespace quorvel::win32
