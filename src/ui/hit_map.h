// The fixed areas of a skinned window as data: where each is, what a click on it does, whether
// the click goes on to the areas after it, and how it lights up under the pointer.
#pragma once

#include <concepts>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "ui/geometry.h"

namespace quorvel {

// Areas of one group are lit one at a time; kNoHoverGroup never lights up.
using HoverGroup = std::uint8_t;
inline constexpr HoverGroup kNoHoverGroup = 0;

// Tested in table order: the table order is the dispatch order.
template <typename Action>
struct HitArea {
    Rect rect;
    Action action;
    bool goesOn = false;  // a hit acts and the areas after it are still tested
    HoverGroup hoverGroup = kNoHoverGroup;
    std::string_view normalImage;  // empty: the area has no image of its own
    std::string_view overImage;
};

template <typename Action>
using HitMap = std::span<const HitArea<Action>>;

// What a page's area does: its control, and up to two numbers naming which of its kind (a
// key box, a DPI stage, a slider row) and where in it (a level, a step).
template <typename Control>
struct PageAction {
    Control control{};
    std::uint8_t index = 0;
    std::uint8_t step = 0;
    friend constexpr bool operator==(const PageAction&, const PageAction&) = default;
};

struct DispatchResult {
    bool hit = false;      // some area acted: the press was not on the empty background
    bool stopped = false;  // an area that does not go on acted: nothing after this map tests
};

// Runs `act` for each area hit at (x, y) in table order until one that does not go on.
// `act` may return bool: false means the area does not count at this moment (it is then
// treated as missed, and the tests go on).
template <typename Action, typename Act>
requires std::invocable<Act&, Action> DispatchResult dispatchPress(HitMap<Action> map, int x, int y,
                                                                   Act&& act) {
    DispatchResult result;
    for (const HitArea<Action>& area : map) {
        if (!area.rect.contains(x, y))
            continue;
        if constexpr (std::is_same_v<std::invoke_result_t<Act&, Action>, bool>) {
            if (!act(area.action))
                continue;
        } else {
            act(area.action);
        }
        result.hit = true;
        if (!area.goesOn) {
            result.stopped = true;
            return result;
        }
    }
    return result;
}

// The first area with this action; nullptr when the map has none.
template <typename Action>
constexpr const HitArea<Action>* findArea(HitMap<Action> map, Action action) {
    for (const HitArea<Action>& area : map) {
        if (area.action == action)
            return &area;
    }
    return nullptr;
}

}  // namespace quorvel
