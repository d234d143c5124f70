// Dragging the frameless main window: it follows the pointer only while the button is down.
#include "ui/window_drag.h"

#include <gtest/gtest.h>

namespace quorvel::test {
namespace {

constexpr ScreenPoint kPress{500, 400};
constexpr ScreenPoint kOrigin{100, 50};

TEST(WindowDrag, FollowsThePointerByItsDistanceFromThePress) {
    WindowDrag drag;
    ASSERT_TRUE(drag.begin(kPress, kOrigin, true, true));
    EXPECT_EQ(drag.move({530, 390}, true), (ScreenPoint{130, 40}));
    EXPECT_EQ(drag.move({400, 500}, true), (ScreenPoint{0, 150}));
    drag.end();
    EXPECT_FALSE(drag.active());
    EXPECT_EQ(drag.move({600, 600}, true), std::nullopt);
}

TEST(WindowDrag, APressNoLongerInHandOrAReleasedButtonStartsNothing) {
    WindowDrag drag;
    // The press ran a dialog (or the page was rebuilt) before it asked to drag.
    EXPECT_FALSE(drag.begin(kPress, kOrigin, false, true));
    // The button was already up when the press was handled.
    EXPECT_FALSE(drag.begin(kPress, kOrigin, true, false));
    EXPECT_FALSE(drag.active());
    EXPECT_EQ(drag.move({510, 410}, true), std::nullopt);
}

TEST(WindowDrag, AMoveWithTheButtonUpEndsTheDragForGood) {
    // The release went elsewhere: the first move that finds the button up ends the drag, and
    // a later press-less move with the button down (another program's drag) moves nothing.
    WindowDrag drag;
    ASSERT_TRUE(drag.begin(kPress, kOrigin, true, true));
    EXPECT_EQ(drag.move({520, 400}, false), std::nullopt);
    EXPECT_FALSE(drag.active());
    EXPECT_EQ(drag.move({540, 400}, true), std::nullopt);
}

TEST(WindowDrag, ANewPressStartsFromItsOwnPoint) {
    WindowDrag drag;
    ASSERT_TRUE(drag.begin(kPress, kOrigin, true, true));
    drag.move({600, 400}, true);
    drag.end();
    ASSERT_TRUE(drag.begin({10, 10}, {200, 50}, true, true));
    EXPECT_EQ(drag.move({15, 10}, true), (ScreenPoint{205, 50}));
}

}  // namespace
}  // namespace quorvel::test
