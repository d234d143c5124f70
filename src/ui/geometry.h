// Window client rectangles: left and top inside, right and bottom outside, as PtInRect has it.
#pragma once

namespace quorvel {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const {
        return left <= x && x < right && top <= y && y < bottom;
    }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace quorvel
