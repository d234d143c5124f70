// The bitmap that holds what a skinned window shows; the screen is only refreshed from it.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/win32/dib_image.h"
#include "platform/win32/unique_handle.h"

namespace quorvel::win32 {

class PageSurface {
  public:
    // Takes the image's bitmap over; the image is left empty.
    void adopt(DibImage& image);
    void reset();

    HBITMAP bitmap() const { return bitmap_.get(); }
    bool exists() const { return bitmap_.valid(); }
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    UniqueBitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
};

// Loads the window's background (no premultiplication), sizes the window to it without moving
// it or changing its Z order, and adopts it as the page surface. A failed load sizes the window
// to 0 x 0 and leaves no surface; the caller reports it where the window's rules say so.
bool setUpBackground(HWND window, std::string_view imagePath, PageSurface& surface);

// The background-erase answer: copies the page surface to the window. Returns non-zero so
// no default erase happens.
LRESULT eraseBackground(HWND window, HDC dc, const PageSurface& surface);

}  // namespace quorvel::win32
