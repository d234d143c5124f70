// Smaller sizes of one font, for a text that its fixed rectangle cannot hold at the font's own
// size: the text then shows whole in a slightly smaller face instead of being cut at both ends.
#pragma once

#include <windows.h>

#include <map>
#include <string_view>

#include "platform/win32/unique_handle.h"

namespace quorvel::win32 {

class FittingFont {
  public:
    // No smaller size goes below this cell height; a text wider still is cut as before.
    static constexpr int kSmallestHeight = 9;

    explicit FittingFont(HFONT base = nullptr) { setBase(base); }
    FittingFont(const FittingFont&) = delete;
    FittingFont& operator=(const FittingFont&) = delete;
    FittingFont(FittingFont&&) = default;
    FittingFont& operator=(FittingFont&&) = default;

    // The smaller sizes made for the old base go with it.
    void setBase(HFONT base);
    HFONT base() const { return base_; }

    // The base when `text` fits `width` pixels in it, else the largest smaller size in which
    // it fits, else the smallest size. `dc` measures; its selected font is left as it was.
    HFONT fit(HDC dc, std::wstring_view text, int width);

  private:
    HFONT sized(int height);

    HFONT base_ = nullptr;
    LOGFONTW face_{};
    int height_ = 0;  // the base's cell height, or 0 when it cannot be read
    std::map<int, UniqueFont> smaller_;
};

// The width of `text` on one line in `font`.
int textWidth(HDC dc, HFONT font, std::wstring_view text);

}  // namespace quorvel::win32
