// An off-screen device context: drawing goes into a bitmap of the target's format and reaches
// the target in one block copy when the object is destroyed. On a printer it draws directly.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace quorvel::win32 {

class CMemDC {
  public:
    // An empty rectangle means the target's clip box.
    CMemDC(HDC target, const RECT& rect);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // The context to draw into, in the target's coordinates.
    HDC dc() const { return offScreen_ ? memory_.get() : target_; }
    const RECT& rect() const { return rect_; }
    bool offScreen() const { return offScreen_; }

    // Draw into `surface` instead of the object's own bitmap (a window's page surface); the
    // destruction then copies the surface. Null is ignored.
    void selectSurface(HBITMAP surface);

    // The caller has copied the content to the target itself: destruction skips its copy.
    void skipFinalCopy() { copyOnDestroy_ = false; }

  private:
    HDC target_;
    RECT rect_{};
    bool offScreen_ = false;
    bool copyOnDestroy_ = true;
    // Declared in this order so the context goes after the bitmap it no longer holds.
    UniqueMemoryDc memory_;
    UniqueBitmap bitmap_;  // the off-screen bitmap this object created
    HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace quorvel::win32
