// The GDI+ flat API, resolved from the system's gdiplus.dll at first use: the exe does not
// import it at load time. Only the calls the image loader needs.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quorvel::win32 {

namespace gdiplus {

using Status = int;
inline constexpr Status kOk = 0;
using PixelFormat = int;

// Pixel-format flags and the formats we name.
inline constexpr PixelFormat kIndexed = 0x00010000;
inline constexpr PixelFormat kGdi = 0x00020000;
inline constexpr PixelFormat kAlpha = 0x00040000;
inline constexpr PixelFormat k1bppIndexed = 0x00030101;
inline constexpr PixelFormat k4bppIndexed = 0x00030402;
inline constexpr PixelFormat k8bppIndexed = 0x00030803;
inline constexpr PixelFormat k16bppRgb555 = 0x00021005;
inline constexpr PixelFormat k16bppRgb565 = 0x00021006;
inline constexpr PixelFormat k24bppRgb = 0x00021808;
inline constexpr PixelFormat k32bppRgb = 0x00022009;
inline constexpr PixelFormat k32bppArgb = 0x0026200A;

constexpr int bitsPerPixel(PixelFormat format) {
    return (format >> 8) & 0xFF;
}

inline constexpr unsigned kLockRead = 1;
inline constexpr int kCompositingSourceCopy = 1;

struct StartupInput {
    std::uint32_t version = 1;
    void* debugCallback = nullptr;
    BOOL suppressBackgroundThread = FALSE;
    BOOL suppressExternalCodecs = FALSE;
};

struct IntRect {
    INT x, y, width, height;
};

struct BitmapData {
    UINT width;
    UINT height;
    INT stride;
    PixelFormat format;
    void* scan0;
    UINT_PTR reserved;
};

struct ColorPalette {
    UINT flags;
    UINT count;
    std::uint32_t entries[1];  // ARGB, count of them
};

struct Image;     // GpImage: every bitmap is one
struct Graphics;  // GpGraphics

}  // namespace gdiplus

struct GdiplusApi {
    gdiplus::Status(WINAPI* startup)(ULONG_PTR*, const gdiplus::StartupInput*, void*);
    void(WINAPI* shutdown)(ULONG_PTR);
    gdiplus::Status(WINAPI* createBitmapFromFile)(const WCHAR*, gdiplus::Image**);
    gdiplus::Status(WINAPI* getPixelFormat)(gdiplus::Image*, gdiplus::PixelFormat*);
    gdiplus::Status(WINAPI* getWidth)(gdiplus::Image*, UINT*);
    gdiplus::Status(WINAPI* getHeight)(gdiplus::Image*, UINT*);
    gdiplus::Status(WINAPI* getPaletteSize)(gdiplus::Image*, INT*);
    gdiplus::Status(WINAPI* getPalette)(gdiplus::Image*, gdiplus::ColorPalette*, INT);
    gdiplus::Status(WINAPI* lockBits)(gdiplus::Image*, const gdiplus::IntRect*, UINT,
                                      gdiplus::PixelFormat, gdiplus::BitmapData*);
    gdiplus::Status(WINAPI* unlockBits)(gdiplus::Image*, gdiplus::BitmapData*);
    gdiplus::Status(WINAPI* createBitmapFromScan0)(INT, INT, INT, gdiplus::PixelFormat, BYTE*,
                                                   gdiplus::Image**);
    gdiplus::Status(WINAPI* getGraphicsContext)(gdiplus::Image*, gdiplus::Graphics**);
    gdiplus::Status(WINAPI* setCompositingMode)(gdiplus::Graphics*, int);
    gdiplus::Status(WINAPI* drawImageRect)(gdiplus::Graphics*, gdiplus::Image*, INT, INT, INT, INT);
    gdiplus::Status(WINAPI* deleteGraphics)(gdiplus::Graphics*);
    gdiplus::Status(WINAPI* disposeImage)(gdiplus::Image*);
};

// nullptr when gdiplus.dll or one of its exports is missing.
const GdiplusApi* gdiplusApi();

// Keeps GDI+ running while it lives: started by the first session, shut down with the last,
// under one process-wide lock. The application may hold one for its whole run.
class GdiplusSession {
  public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool running() const { return running_; }

  private:
    bool running_ = false;
};

}  // namespace quorvel::win32
