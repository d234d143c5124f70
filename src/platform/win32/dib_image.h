// A decoded skin image: a device-independent bitmap section, and how it is drawn.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/unique_handle.h"

namespace quorvel::win32 {

class DibImage {
  public:
    DibImage() = default;
    DibImage(HBITMAP bitmap, int width, int height, int bitsPerPixel, bool hasAlpha)
        : bitmap_(bitmap),
          width_(width),
          height_(height),
          bitsPerPixel_(bitsPerPixel),
          hasAlpha_(hasAlpha) {}

    HBITMAP bitmap() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    bool hasAlpha() const { return hasAlpha_; }

    // Hands the bitmap over (a window adopts it as its page surface); the image forgets it.
    HBITMAP release() { return bitmap_.release(); }

  private:
    UniqueBitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    bool hasAlpha_ = false;
};

enum class Preparation {
    Plain,
    Premultiplied,
    // As Plain, but 32 bits per pixel whatever the file's depth: a page surface in the
    // screen's own format reaches it in a plain copy, not a conversion of every pixel.
    PageSurface,
};

// Decodes an image file into a bitmap section of a format GDI draws: 32 bits with alpha when
// the file has alpha, the file's own depth when GDI can show it, 32-bit RGB otherwise.
// Premultiplied prepares alpha images for AlphaBlend. nullopt when the file cannot be decoded.
std::optional<DibImage> decodeImageFile(const std::wstring& path, Preparation preparation);

// Draws a prepared image at (x, y), 1:1: blended by its alpha, or copied when it has none.
// `source` is a memory context with the image's bitmap selected.
bool blitImage(HDC target, HDC source, const DibImage& image, int x, int y);

}  // namespace quorvel::win32
