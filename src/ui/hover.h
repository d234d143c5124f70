// Pointer-over marks for the areas of one hit map. The window asks the machine what to do
// for each mouse message and redraws what the answer names, then copies to the screen once.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ui/hit_map.h"

namespace quorvel {

struct HoverStep {
    std::vector<std::size_t> toNormal;  // areas (map indices) to redraw with their normal image
    std::optional<std::size_t> lit;     // the area to draw with its over image
    bool trackHover = false;            // the pointer is over a hoverable area: ask for hover
    bool redraws() const { return lit.has_value() || !toNormal.empty(); }
};

template <typename Action>
class Hover {
  public:
    explicit Hover(HitMap<Action> map) : map_(map), marks_(map.size(), false) {}

    // A mouse move: over a hoverable area the window asks to be told when the pointer rests;
    // anywhere else every lit area goes back to normal.
    HoverStep move(int x, int y) {
        HoverStep step;
        if (hoverableAt(x, y)) {
            step.trackHover = true;
            return step;
        }
        step.toNormal = clearAll();
        return step;
    }

    // The pointer rested at (x, y): the first hoverable area there lights up and every other
    // lit area goes back to normal, in the same update; a lit area never outlasts the pointer
    // leaving it, whatever its group. Resting on none of this map's areas puts them all back.
    HoverStep rest(int x, int y) {
        HoverStep step;
        const std::optional<std::size_t> index = hoverableAt(x, y);
        for (std::size_t i = 0; i < map_.size(); ++i) {
            if (i != index && marks_[i]) {
                marks_[i] = false;
                step.toNormal.push_back(i);
            }
        }
        if (index) {
            marks_[*index] = true;
            step.lit = index;
        }
        return step;
    }

    // The pointer left the window, or the window is redrawn from scratch.
    std::vector<std::size_t> clearAll() {
        std::vector<std::size_t> cleared;
        for (std::size_t i = 0; i < marks_.size(); ++i) {
            if (marks_[i]) {
                marks_[i] = false;
                cleared.push_back(i);
            }
        }
        return cleared;
    }

    // A rest, with each area it changes drawn again by `paint(index, lit)`.
    template <typename Paint>
    HoverStep restAndRedraw(int x, int y, const Paint& paint) {
        const HoverStep step = rest(x, y);
        for (std::size_t index : step.toNormal)
            paint(index, false);
        if (step.lit)
            paint(*step.lit, true);
        return step;
    }

    // Every lit area back to normal, drawn by `paint(index, false)`; true when any was lit.
    template <typename Paint>
    bool clearAndRedraw(const Paint& paint) {
        const std::vector<std::size_t> cleared = clearAll();
        for (std::size_t index : cleared)
            paint(index, false);
        return !cleared.empty();
    }

    bool isLit(std::size_t index) const { return index < marks_.size() && marks_[index]; }

    // The first area at (x, y) that lights up.
    std::optional<std::size_t> hoverableAt(int x, int y) const {
        for (std::size_t i = 0; i < map_.size(); ++i) {
            if (map_[i].hoverGroup != kNoHoverGroup && map_[i].rect.contains(x, y))
                return i;
        }
        return std::nullopt;
    }

  private:
    HitMap<Action> map_;
    std::vector<bool> marks_;
};

}  // namespace quorvel
