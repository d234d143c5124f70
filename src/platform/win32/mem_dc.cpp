#include "platform/win32/mem_dc.h"

namespace quorvel::win32 {

CMemDC::CMemDC(HDC target, const RECT& rect) : target_(target), rect_(rect) {
    if (target_ == nullptr)
        return;
    if (IsRectEmpty(&rect_))
        GetClipBox(target_, &rect_);
    offScreen_ = GetDeviceCaps(target_, TECHNOLOGY) != DT_RASPRINTER;
    if (!offScreen_)
        return;
    memory_ = CreateCompatibleDC(target_);
    bitmap_ = CreateCompatibleBitmap(target_, rect_.right - rect_.left, rect_.bottom - rect_.top);
    if (memory_ == nullptr || bitmap_ == nullptr) {
        // Without an off-screen bitmap, drawing goes straight to the target.
        if (memory_ != nullptr)
            DeleteDC(memory_);
        if (bitmap_ != nullptr)
            DeleteObject(bitmap_);
        memory_ = nullptr;
        bitmap_ = nullptr;
        offScreen_ = false;
        return;
    }
    oldBitmap_ = SelectObject(memory_, bitmap_);
    SetWindowOrgEx(memory_, rect_.left, rect_.top, nullptr);
}

void CMemDC::selectSurface(HBITMAP surface) {
    if (offScreen_ && surface != nullptr)
        SelectObject(memory_, surface);
}

CMemDC::~CMemDC() {
    if (!offScreen_)
        return;
    if (copyOnDestroy_) {
        BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
               memory_, rect_.left, rect_.top, SRCCOPY);
    }
    SelectObject(memory_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
}

}  // namespace quorvel::win32
