#include "platform/win32/mem_dc.h"

namespace quorvel::win32 {

CMemDC::CMemDC(HDC target, const RECT& rect, HBITMAP surface) : target_(target), rect_(rect) {
    if (target_ == nullptr)
        return;
    if (IsRectEmpty(&rect_))
        GetClipBox(target_, &rect_);
    offScreen_ = GetDeviceCaps(target_, TECHNOLOGY) != DT_RASPRINTER;
    if (!offScreen_)
        return;
    memory_.reset(CreateCompatibleDC(target_));
    // A page surface already holds the picture: a bitmap of our own would only cost the
    // allocation of a whole client area on every repaint.
    if (surface == nullptr) {
        bitmap_.reset(
            CreateCompatibleBitmap(target_, rect_.right - rect_.left, rect_.bottom - rect_.top));
    }
    if (!memory_.valid() || (surface == nullptr && !bitmap_.valid())) {
        // Without an off-screen bitmap, drawing goes straight to the target.
        memory_.reset();
        bitmap_.reset();
        offScreen_ = false;
        return;
    }
    oldBitmap_ = SelectObject(memory_.get(), surface != nullptr ? surface : bitmap_.get());
    SetWindowOrgEx(memory_.get(), rect_.left, rect_.top, nullptr);
}

CMemDC::~CMemDC() {
    if (!offScreen_)
        return;
    // A failed copy leaves the old picture on screen; the next paint tries again.
    (void)BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
                 memory_.get(), rect_.left, rect_.top, SRCCOPY);
    // The bitmap can only be deleted once no context holds it.
    SelectObject(memory_.get(), oldBitmap_);
}

}  // namespace quorvel::win32
