#include "platform/win32/dib_image.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "platform/win32/gdiplus_api.h"
#include "platform/win32/system_library.h"
#include "ui/premultiply.h"

namespace quorvel::win32 {

namespace gp = gdiplus;

namespace {

// Larger images are no skin image; refusing them keeps the section size far from overflow.
constexpr UINT kMaxSide = 16384;
constexpr int kMaxPaletteEntries = 256;

class ScopedImage {
  public:
    ScopedImage(const GdiplusApi& api, gp::Image* image) : api_(api), image_(image) {}
    ~ScopedImage() {
        if (image_ != nullptr)
            api_.disposeImage(image_);
    }
    ScopedImage(const ScopedImage&) = delete;
    ScopedImage& operator=(const ScopedImage&) = delete;
    gp::Image* get() const { return image_; }

  private:
    const GdiplusApi& api_;
    gp::Image* image_;
};

struct SectionInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[kMaxPaletteEntries];
};

gp::PixelFormat sectionFormatFor(gp::PixelFormat source, Preparation preparation, bool& hasAlpha) {
    hasAlpha = (source & gp::kAlpha) != 0;
    if (hasAlpha)
        return gp::k32bppArgb;
    if (preparation == Preparation::PageSurface)
        return gp::k32bppRgb;
    switch (source) {
        case gp::k1bppIndexed:
        case gp::k4bppIndexed:
        case gp::k8bppIndexed:
        case gp::k16bppRgb555:
        case gp::k16bppRgb565:
        case gp::k24bppRgb:
        case gp::k32bppRgb:
            return source;
        default:
            return gp::k32bppRgb;
    }
}

bool copyPalette(const GdiplusApi& api, gp::Image* image, SectionInfo& info) {
    INT size = 0;
    if (api.getPaletteSize(image, &size) != gp::kOk ||
        size < static_cast<INT>(sizeof(gp::ColorPalette))) {
        return false;
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size));
    auto* palette = reinterpret_cast<gp::ColorPalette*>(buffer.data());
    if (api.getPalette(image, palette, size) != gp::kOk)
        return false;
    const std::size_t room =
        (buffer.size() - offsetof(gp::ColorPalette, entries)) / sizeof(std::uint32_t);
    if (palette->count < 1 || palette->count > kMaxPaletteEntries || palette->count > room) {
        return false;
    }
    for (UINT i = 0; i < palette->count; ++i) {
        std::uint32_t argb = 0;
        std::memcpy(&argb, buffer.data() + offsetof(gp::ColorPalette, entries) + i * 4, 4);
        info.colours[i] = RGBQUAD{static_cast<BYTE>(argb), static_cast<BYTE>(argb >> 8),
                                  static_cast<BYTE>(argb >> 16), 0};
    }
    info.header.biClrUsed = palette->count;
    return true;
}

bool copyRows(const GdiplusApi& api, gp::Image* image, gp::PixelFormat format, UINT width,
              UINT height, std::uint8_t* bits, std::size_t stride) {
    const gp::IntRect all{0, 0, static_cast<INT>(width), static_cast<INT>(height)};
    gp::BitmapData data{};
    if (api.lockBits(image, &all, gp::kLockRead, format, &data) != gp::kOk)
        return false;
    const std::size_t rowBytes = (std::size_t{width} * gp::bitsPerPixel(format) + 7) / 8;
    for (UINT y = 0; y < height; ++y) {
        const auto* from = static_cast<const std::uint8_t*>(data.scan0) +
                           static_cast<std::ptrdiff_t>(y) * data.stride;
        std::memcpy(bits + y * stride, from, rowBytes);
    }
    api.unlockBits(image, &data);
    return true;
}

bool drawInto(const GdiplusApi& api, gp::Image* image, gp::PixelFormat format, UINT width,
              UINT height, std::uint8_t* bits, std::size_t stride) {
    gp::Image* wrapper = nullptr;
    if (api.createBitmapFromScan0(static_cast<INT>(width), static_cast<INT>(height),
                                  static_cast<INT>(stride), format, bits, &wrapper) != gp::kOk) {
        return false;
    }
    ScopedImage target(api, wrapper);
    gp::Graphics* graphics = nullptr;
    if (api.getGraphicsContext(wrapper, &graphics) != gp::kOk)
        return false;
    // Copy, not blend, and at the pixel size whatever resolution the file declares.
    api.setCompositingMode(graphics, gp::kCompositingSourceCopy);
    const gp::Status drawn =
        api.drawImageRect(graphics, image, 0, 0, static_cast<INT>(width), static_cast<INT>(height));
    api.deleteGraphics(graphics);
    return drawn == gp::kOk;
}

}  // namespace

std::optional<DibImage> decodeImageFile(const std::wstring& path, Preparation preparation) {
    const GdiplusApi* api = gdiplusApi();
    if (api == nullptr)
        return std::nullopt;
    GdiplusSession session;
    if (!session.running())
        return std::nullopt;

    gp::Image* decoded = nullptr;
    if (api->createBitmapFromFile(path.c_str(), &decoded) != gp::kOk || decoded == nullptr) {
        return std::nullopt;
    }
    ScopedImage source(*api, decoded);
    gp::PixelFormat format = 0;
    UINT width = 0;
    UINT height = 0;
    if (api->getPixelFormat(decoded, &format) != gp::kOk ||
        api->getWidth(decoded, &width) != gp::kOk || api->getHeight(decoded, &height) != gp::kOk ||
        width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
        return std::nullopt;
    }

    bool hasAlpha = false;
    const gp::PixelFormat sectionFormat = sectionFormatFor(format, preparation, hasAlpha);
    const int bits = gp::bitsPerPixel(sectionFormat);
    SectionInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = static_cast<LONG>(width);
    info.header.biHeight = -static_cast<LONG>(height);  // top-down: rows in file order
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bits);
    info.header.biCompression = BI_RGB;
    if (sectionFormat == gp::k16bppRgb565) {
        info.header.biCompression = BI_BITFIELDS;
        const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
        std::memcpy(info.colours, masks, sizeof(masks));
    }
    if ((sectionFormat & gp::kIndexed) != 0 && !copyPalette(*api, decoded, info)) {
        return std::nullopt;
    }

    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info),
                                       DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (section == nullptr || pixels == nullptr)
        return std::nullopt;
    DibImage image(section, static_cast<int>(width), static_cast<int>(height), bits, hasAlpha);

    const std::size_t stride = ((std::size_t{width} * bits + 31) / 32) * 4;
    auto* bytes = static_cast<std::uint8_t*>(pixels);
    const bool copied = sectionFormat == format
                            ? copyRows(*api, decoded, format, width, height, bytes, stride)
                            : drawInto(*api, decoded, sectionFormat, width, height, bytes, stride);
    if (!copied)
        return std::nullopt;
    // Only alpha images: the fourth byte of a 32-bit RGB section is no alpha, and scaling by
    // it would blacken an opaque picture.
    if (preparation == Preparation::Premultiplied && hasAlpha) {
        premultiplyBgra(std::span(bytes, stride * height));
    }
    return image;
}

namespace {

using AlphaBlendFunction = BOOL WINAPI(HDC, int, int, int, int, HDC, int, int, int, int,
                                       BLENDFUNCTION);

AlphaBlendFunction* alphaBlend() {
    static const SystemLibrary library(L"msimg32.dll");
    static AlphaBlendFunction* function = library.function<AlphaBlendFunction>("AlphaBlend");
    return function;
}

}  // namespace

bool blitImage(HDC target, HDC source, const DibImage& image, int x, int y) {
    if (target == nullptr || source == nullptr || image.bitmap() == nullptr)
        return false;
    const int w = image.width();
    const int h = image.height();
    if (image.hasAlpha()) {
        AlphaBlendFunction* blend = alphaBlend();
        if (blend == nullptr)
            return false;
        const BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        return blend(target, x, y, w, h, source, 0, 0, w, h, perPixel) != FALSE;
    }
    return StretchBlt(target, x, y, w, h, source, 0, 0, w, h, SRCCOPY) != FALSE;
}

}  // namespace quorvel::win32
