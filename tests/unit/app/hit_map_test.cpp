// Press dispatch over hit maps: table order, goes-on, areas that do not count, and the main
// window's and sub-dialogs' own tables.
#include "ui/hit_map.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/fixed_buttons.h"

namespace quorvel::test {
namespace {

std::vector<FixedButton> fixedButtonsHitAt(int x, int y, DispatchResult* result = nullptr) {
    std::vector<FixedButton> acted;
    const DispatchResult r = dispatchPress<FixedButton>(
        kFixedButtons, x, y, [&](FixedButton button) { acted.push_back(button); });
    if (result != nullptr)
        *result = r;
    return acted;
}

TEST(HitMapDispatch, SharedColumnsActInTableOrderAndGoOn) {
    DispatchResult result;
    EXPECT_EQ(fixedButtonsHitAt(666, 630, &result),
              (std::vector<FixedButton>{FixedButton::Ok, FixedButton::Apply}));
    EXPECT_TRUE(result.hit);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(fixedButtonsHitAt(770, 630),
              (std::vector<FixedButton>{FixedButton::Apply, FixedButton::Cancel}));
}

TEST(HitMapDispatch, AnAreaThatDoesNotGoOnStopsTheTests) {
    DispatchResult result;
    EXPECT_EQ(fixedButtonsHitAt(830, 10, &result),
              (std::vector<FixedButton>{FixedButton::Minimise}));
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(fixedButtonsHitAt(300, 630, &result),
              (std::vector<FixedButton>{FixedButton::WebLink}));
    EXPECT_TRUE(result.stopped);
}

TEST(HitMapDispatch, AMissHitsNothing) {
    DispatchResult result;
    EXPECT_TRUE(fixedButtonsHitAt(400, 300, &result).empty());
    EXPECT_FALSE(result.hit);
}

TEST(HitMapDispatch, AnAreaThatDoesNotCountLetsTheTestsGoOn) {
    enum class Cell { Twelve, Background };
    constexpr std::array<HitArea<Cell>, 2> map = {{
        {{0, 0, 10, 10}, Cell::Twelve, false, kNoHoverGroup, {}, {}},
        {{0, 0, 100, 100}, Cell::Background, false, kNoHoverGroup, {}, {}},
    }};
    std::vector<Cell> acted;
    const auto actUnlessTwelve = [&](Cell cell) {
        if (cell == Cell::Twelve)
            return false;
        acted.push_back(cell);
        return true;
    };
    EXPECT_TRUE(dispatchPress<Cell>(map, 5, 5, actUnlessTwelve).stopped);
    EXPECT_EQ(acted, (std::vector<Cell>{Cell::Background}));
}

}  // namespace
}  // namespace quorvel::test
