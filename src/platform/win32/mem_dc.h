// An off-screen device context: drawing goes into a bitmap of the target's format, or into a
// window's page surface, and reaches the target in one block copy when the object is destroyed.
// On a printer it draws directly.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace quorvel::win32 {

class CMemDC {
  public:
    // An empty rectangle means the target's clip box. With a `surface` (a window's page surface)
    // drawing goes there and no bitmap of its own is made; null makes one.
    CMemDC(HDC target, const RECT& rect, HBITMAP surface = nullptr);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // The context to draw into, in the target's coordinates.
    HDC dc() const { return offScreen_ ? memory_.get() : target_; }
    const RECT& rect() const { return rect_; }
    bool offScreen() const { return offScreen_; }

  private:
    HDC target_;
    RECT rect_{};
    bool offScreen_ = false;
    // Declared in this order so the context goes after the bitmap it no longer holds.
    UniqueMemoryDc memory_;
    UniqueBitmap bitmap_;  // the off-screen bitmap this object created, if it made one
    HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace quorvel::win32
