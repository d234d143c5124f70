// The canvas port over a window's page surface. Each batch of drawing is one page repaint:
// the first call takes the window's context and an off-screen context with the page surface
// selected; copyToScreen copies the whole client area and ends the batch.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "platform/win32/fitting_font.h"
#include "platform/win32/mem_dc.h"
#include "platform/win32/page_surface.h"
#include "platform/win32/skin_fonts.h"
#include "ui/canvas.h"
#include "ui/image_cache.h"

namespace quorvel::win32 {

class PageCanvas : public Canvas {
  public:
    // All four must outlive the canvas. The cache's skin directory names the images.
    PageCanvas(HWND window, const PageSurface& surface, const SkinFonts& fonts,
               SkinImageCache& cache);
    ~PageCanvas() override;
    PageCanvas(const PageCanvas&) = delete;
    PageCanvas& operator=(const PageCanvas&) = delete;

    bool drawImage(std::string_view fileName, int x, int y) override;
    void drawText(std::string_view text, const Rect& rect, TextPlacement placement, FontRole font,
                  Colour colour) override;
    void copyToScreen() override;

  private:
    struct Repaint;
    Repaint* begin();
    void end();

    HWND window_;
    const PageSurface& surface_;
    const SkinFonts& fonts_;
    SkinImageCache& cache_;
    std::unique_ptr<Repaint> repaint_;
    // Smaller sizes of the two fonts, made for texts too wide for their rectangles.
    FittingFont textFit_;
    FittingFont titleFit_;
};

// DrawTextW's format for a placement.
UINT drawTextFormat(TextPlacement placement);

}  // namespace quorvel::win32
