#include "platform/win32/gdiplus_api.h"

#include <mutex>

#include "platform/win32/system_library.h"

namespace quorvel::win32 {

namespace {

template <typename Function>
bool resolve(const SystemLibrary& library, Function*& slot, const char* name) {
    slot = library.function<Function>(name);
    return slot != nullptr;
}

GdiplusApi loadApi(const SystemLibrary& library, bool& complete) {
    GdiplusApi api{};
    complete = library.loaded() && resolve(library, api.startup, "GdiplusStartup") &&
               resolve(library, api.shutdown, "GdiplusShutdown") &&
               resolve(library, api.createBitmapFromFile, "GdipCreateBitmapFromFile") &&
               resolve(library, api.getPixelFormat, "GdipGetImagePixelFormat") &&
               resolve(library, api.getWidth, "GdipGetImageWidth") &&
               resolve(library, api.getHeight, "GdipGetImageHeight") &&
               resolve(library, api.getPaletteSize, "GdipGetImagePaletteSize") &&
               resolve(library, api.getPalette, "GdipGetImagePalette") &&
               resolve(library, api.lockBits, "GdipBitmapLockBits") &&
               resolve(library, api.unlockBits, "GdipBitmapUnlockBits") &&
               resolve(library, api.createBitmapFromScan0, "GdipCreateBitmapFromScan0") &&
               resolve(library, api.getGraphicsContext, "GdipGetImageGraphicsContext") &&
               resolve(library, api.setCompositingMode, "GdipSetCompositingMode") &&
               resolve(library, api.drawImageRect, "GdipDrawImageRectI") &&
               resolve(library, api.deleteGraphics, "GdipDeleteGraphics") &&
               resolve(library, api.disposeImage, "GdipDisposeImage");
    return api;
}

std::mutex& sessionLock() {
    static std::mutex lock;
    return lock;
}
int sessionCount = 0;
ULONG_PTR sessionToken = 0;

}  // namespace

const GdiplusApi* gdiplusApi() {
    // The library stays loaded for the whole run: images and sessions outlive any caller.
    static const SystemLibrary library(L"gdiplus.dll");
    static bool complete = false;
    static const GdiplusApi api = loadApi(library, complete);
    return complete ? &api : nullptr;
}

GdiplusSession::GdiplusSession() {
    const GdiplusApi* api = gdiplusApi();
    if (api == nullptr)
        return;
    std::lock_guard guard(sessionLock());
    if (sessionCount == 0) {
        const gdiplus::StartupInput input;
        if (api->startup(&sessionToken, &input, nullptr) != gdiplus::kOk)
            return;
    }
    ++sessionCount;
    running_ = true;
}

GdiplusSession::~GdiplusSession() {
    if (!running_)
        return;
    std::lock_guard guard(sessionLock());
    if (--sessionCount == 0)
        gdiplusApi()->shutdown(sessionToken);
}

}  // namespace quorvel::win32
