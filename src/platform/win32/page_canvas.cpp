#include "platform/win32/page_canvas.h"

#include <array>
#include <optional>
#include <string>

#include "platform/win32/colour_ref.h"
#include "platform/win32/skin_drawing.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {

namespace {

constexpr std::array<UINT, 7> kTextFormats = {
    DT_VCENTER | DT_SINGLELINE,                          // Left
    DT_CENTER | DT_VCENTER | DT_SINGLELINE,              // Centre
    DT_RIGHT | DT_VCENTER | DT_SINGLELINE,               // Right
    DT_CENTER | DT_SINGLELINE,                           // TopCentre
    DT_WORDBREAK,                                        // WrappedLeft (centred vertically by hand)
    DT_WORDBREAK | DT_CENTER,                            // WrappedCentre (likewise)
    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP,  // CentreOverflow
};

bool isWrapped(TextPlacement placement) {
    return placement == TextPlacement::WrappedLeft || placement == TextPlacement::WrappedCentre;
}

}  // namespace

UINT drawTextFormat(TextPlacement placement) {
    return kTextFormats[static_cast<std::size_t>(placement)];
}

struct PageCanvas::Repaint {
    HWND window;
    RECT client{};
    HDC windowDc;
    std::optional<CMemDC> memory;
    HGDIOBJ oldFont = nullptr;
    bool drawable = false;

    explicit Repaint(HWND w) : window(w), windowDc(nullptr) {
        GetClientRect(window, &client);
        windowDc = GetDC(window);
    }
    ~Repaint() {
        if (memory && oldFont != nullptr)
            SelectObject(memory->dc(), oldFont);
        memory.reset();
        // A window's common context: releasing it cannot fail in a way we could act on.
        if (windowDc != nullptr)
            (void)ReleaseDC(window, windowDc);
    }
    Repaint(const Repaint&) = delete;
    Repaint& operator=(const Repaint&) = delete;
};

PageCanvas::PageCanvas(HWND window, const PageSurface& surface, const SkinFonts& fonts,
                       SkinImageCache& cache)
    : window_(window), surface_(surface), fonts_(fonts), cache_(cache) {}

PageCanvas::~PageCanvas() {
    end();
}

PageCanvas::Repaint* PageCanvas::begin() {
    if (repaint_)
        return repaint_.get();
    repaint_ = std::make_unique<Repaint>(window_);
    if (repaint_->windowDc == nullptr)
        return repaint_.get();
    // Without a page surface nothing is drawn; the copy then shows the empty off-screen bitmap.
    repaint_->memory.emplace(repaint_->windowDc, repaint_->client,
                             surface_.exists() ? surface_.bitmap() : nullptr);
    if (surface_.exists() && repaint_->memory->offScreen()) {
        SetBkMode(repaint_->memory->dc(), TRANSPARENT);
        repaint_->oldFont = SelectObject(repaint_->memory->dc(), fonts_.font(FontRole::Text));
        repaint_->drawable = true;
    }
    return repaint_.get();
}

void PageCanvas::end() {
    repaint_.reset();
}

bool PageCanvas::drawImage(std::string_view fileName, int x, int y) {
    Repaint* repaint = begin();
    if (!repaint->drawable)
        return false;
    return DrawSkinImage(repaint->memory->dc(), cache_, fileName, x, y);
}

void PageCanvas::drawText(std::string_view text, const Rect& rect, TextPlacement placement,
                          FontRole font, Colour colour) {
    Repaint* repaint = begin();
    if (!repaint->drawable)
        return;
    HDC dc = repaint->memory->dc();
    std::wstring wide = wideFromUtf8(text);
    HFONT face = fonts_.font(font);
    if (!isWrapped(placement) && placement != TextPlacement::CentreOverflow) {
        FittingFont& fitting = font == FontRole::Title ? titleFit_ : textFit_;
        if (fitting.base() != face)
            fitting.setBase(face);
        face = fitting.fit(dc, wide, rect.width());
    }
    SelectObject(dc, face);
    SetTextColor(dc, colorRef(colour));
    RECT box{rect.left, rect.top, rect.right, rect.bottom};
    UINT format = drawTextFormat(placement);
    if (isWrapped(placement)) {
        // DrawTextW centres single lines only: measure the wrapped block and move it down.
        RECT measured = box;
        const int height = DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &measured,
                                     drawTextFormat(placement) | DT_CALCRECT);
        // A block taller than its rectangle spills evenly above and below rather than losing
        // its last line: a word-wrapped text in these rectangles is read in full or not at all.
        if (height > 0) {
            box.top += (rect.height() - height) / 2;
            box.bottom = box.top + height;
            format |= DT_NOCLIP;
        }
    }
    // A text that cannot be drawn leaves the page as it was; there is no one to tell.
    (void)DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &box, format);
}

void PageCanvas::copyToScreen() {
    // The batch's off-screen context copies the client area once, as it goes.
    begin();
    end();
}

}  // namespace quorvel::win32
