#include "platform/win32/page_surface.h"

#include <optional>

#include "platform/win32/mem_dc.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

void PageSurface::adopt(DibImage& image) {
    width_ = image.width();
    height_ = image.height();
    bitmap_.reset(image.release());
}

void PageSurface::reset() {
    bitmap_.reset();
    width_ = 0;
    height_ = 0;
}

bool setUpBackground(HWND window, std::string_view imagePath, PageSurface& surface) {
    std::optional<DibImage> image =
        decodeImageFile(wideFromUtf8(imagePath), Preparation::PageSurface);
    const int width = image ? image->width() : 0;
    const int height = image ? image->height() : 0;
    // Fails only for a destroyed window, which has nothing left to show.
    (void)SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    if (!image) {
        surface.reset();
        return false;
    }
    surface.adopt(*image);
    return true;
}

LRESULT eraseBackground(HWND window, HDC dc, const PageSurface& surface) {
    RECT client{};
    GetClientRect(window, &client);
    // Copies the surface to the window as it goes.
    const CMemDC memory(dc, client, surface.bitmap());
    return TRUE;
}

}  // namespace quorvel::win32
