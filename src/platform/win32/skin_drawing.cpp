#include "platform/win32/skin_drawing.h"

#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

CachedSkinImage::CachedSkinImage(DibImage image)
    : image_(std::move(image)), memory_(CreateCompatibleDC(nullptr)) {
    if (memory_.valid())
        previous_ = SelectObject(memory_.get(), image_.bitmap());
}

CachedSkinImage::~CachedSkinImage() {
    // The image's bitmap is deleted after this body; no context may hold it then.
    if (memory_.valid())
        SelectObject(memory_.get(), previous_);
}

bool CachedSkinImage::draw(HDC target, int x, int y) const {
    return blitImage(target, memory_.get(), image_, x, y);
}

std::unique_ptr<SkinImage> Win32SkinImageDecoder::decode(const std::string& path) {
    std::optional<DibImage> image = decodeImageFile(wideFromUtf8(path), Preparation::Premultiplied);
    if (!image.has_value())
        return nullptr;
    return std::make_unique<CachedSkinImage>(std::move(*image));
}

bool DrawSkinImage(HDC target, SkinImageCache& cache, std::string_view fileName, int x, int y) {
    if (target == nullptr)
        return false;
    // A cache filled by another decoder holds nothing this context can draw.
    const auto* image = dynamic_cast<const CachedSkinImage*>(cache.image(fileName));
    return image != nullptr && image->draw(target, x, y);
}

}  // namespace quorvel::win32
