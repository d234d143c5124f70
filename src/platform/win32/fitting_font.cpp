#include "platform/win32/fitting_font.h"

#include <cstdlib>

namespace quorvel::win32 {

int textWidth(HDC dc, HFONT font, std::wstring_view text) {
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    const BOOL measured =
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return measured ? size.cx : 0;
}

void FittingFont::setBase(HFONT base) {
    // Controls may still use the smaller sizes made for this base.
    if (base == base_)
        return;
    base_ = base;
    smaller_.clear();
    height_ = 0;
    if (base_ != nullptr && GetObjectW(base_, sizeof(face_), &face_) == sizeof(face_))
        height_ = std::abs(face_.lfHeight);
}

HFONT FittingFont::sized(int height) {
    UniqueFont& font = smaller_[height];
    if (!font) {
        LOGFONTW face = face_;
        // Keeps the base's sign: cell height when positive, character height when negative.
        face.lfHeight = face_.lfHeight < 0 ? -height : height;
        font.reset(CreateFontIndirectW(&face));
    }
    return font.get();
}

HFONT FittingFont::fit(HDC dc, std::wstring_view text, int width) {
    if (base_ == nullptr || dc == nullptr || textWidth(dc, base_, text) <= width)
        return base_;
    HFONT chosen = base_;
    for (int height = height_ - 1; height >= kSmallestHeight; --height) {
        HFONT smaller = sized(height);
        if (smaller == nullptr)
            break;
        chosen = smaller;
        if (textWidth(dc, smaller, text) <= width)
            break;
    }
    return chosen;
}

}  // namespace quorvel::win32
