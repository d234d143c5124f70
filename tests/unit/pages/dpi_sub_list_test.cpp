#include "pages/dpi_sub_list.h"

#include <gtest/gtest.h>

#include "unit/pages/dispatcher_fixture.h"

namespace quorvel::test {
namespace {

class DpiSubList : public DispatcherTest {
  protected:
    void hover(int button, int entry) {
        dpiSubListHover(controls, keyListId(button), kKeyListArea, entry);
    }
    std::optional<int> pick(int entry) {
        controls.setSelection(kDpiSubListId, entry);
        return dpiSubListChoose(config, controls, labels);
    }
};

TEST_F(DpiSubList, OpensAtTheRightEdgeOfEntrySix) {
    openKeyList(3, 6);
    hover(3, 6);
    ASSERT_TRUE(controls.exists(kDpiSubListId));
    const auto& sub = controls.lists.at(kDpiSubListId);
    const int left = kKeyListArea.left + kKeyListArea.width();
    const int top = kKeyListArea.top + 6 * FakeControls::kItemHeight;
    EXPECT_EQ(sub.rect, (Rect{left, top, left + 60, top + 60}));
    EXPECT_EQ(sub.items, (std::vector<std::string>{"DPI +", "DPI -", "DPI Loop"}));
}

TEST_F(DpiSubList, StaysWhileThePointerRestsOnEntrySix) {
    openKeyList(3, 6);
    hover(3, 6);
    hover(3, 6);
    EXPECT_EQ(controls.createCalls, 1);
    EXPECT_EQ(controls.lists.at(kDpiSubListId).items.size(), 3u);
}

TEST_F(DpiSubList, ClosesWhenThePointerMovesToAnotherEntry) {
    openKeyList(3, 6);
    hover(3, 6);
    hover(3, 7);
    EXPECT_FALSE(controls.exists(kDpiSubListId));
    EXPECT_TRUE(controls.exists(keyListId(3)));
    hover(3, 5);  // nothing open: nothing to do
    EXPECT_EQ(controls.createCalls, 1);
}

TEST_F(DpiSubList, RefusedCreationAddsNothing) {
    openKeyList(3, 6);
    controls.refuseCreation = true;
    hover(3, 6);
    EXPECT_FALSE(controls.exists(kDpiSubListId));
}

TEST_F(DpiSubList, ChoosingDpiMinusSetsCodeParameterAndLabel) {
    openKeyList(3, 6);
    assign(3, Mode::A);  // clicking "DPI Switch" in the key list does nothing
    EXPECT_EQ(config.functionCode(Mode::A, 3), 3);
    hover(3, 6);
    EXPECT_EQ(pick(1), 3);
    EXPECT_EQ(config.functionCode(Mode::A, 3), 6);
    EXPECT_EQ(config.dpiSwitchParameter(Mode::A, 3), 2);
    EXPECT_EQ(label(Mode::A, 3), "DPI -");
    EXPECT_EQ(keyEntryFor(config, Mode::A, 3), (KeyEntry{{0x07, 0x00, 0x02, 0x00}}));
    EXPECT_FALSE(controls.exists(kDpiSubListId));
    EXPECT_FALSE(controls.exists(keyListId(3)));
}

TEST_F(DpiSubList, ChangesTheShownModeOnly) {
    config.setShownMode(Mode::B);
    const MouseConfig before = config;
    openKeyList(1, 6);
    hover(1, 6);
    EXPECT_EQ(pick(2), 1);
    EXPECT_EQ(changedOffsets(before),
              (std::vector<std::size_t>{record::kKeyBlockModeB + 1, record::kDpiSwitchModeB + 1}));
    EXPECT_EQ(config.dpiSwitchParameter(Mode::B, 1), 3);
    EXPECT_EQ(label(Mode::B, 1), "DPI Loop");
    EXPECT_EQ(label(Mode::A, 1), "label 1");
}

TEST_F(DpiSubList, LeavesTheOtherModeOfAShiftButton) {
    config.setFunctionCode(Mode::A, 2, 14);
    config.setFunctionCode(Mode::B, 2, 14);
    openKeyList(2, 6);
    hover(2, 6);
    pick(0);
    EXPECT_EQ(config.functionCode(Mode::A, 2), 6);
    EXPECT_EQ(config.dpiSwitchParameter(Mode::A, 2), 1);
    EXPECT_EQ(config.functionCode(Mode::B, 2), 14);
}

TEST_F(DpiSubList, WithoutSelectionNothingHappens) {
    openKeyList(3, 6);
    hover(3, 6);
    const MouseConfig before = config;
    EXPECT_EQ(dpiSubListChoose(config, controls, labels), std::nullopt);
    EXPECT_EQ(config, before);
    EXPECT_TRUE(controls.exists(kDpiSubListId));
}

TEST_F(DpiSubList, WithoutAnOpenKeyListOnlyTheSubListCloses) {
    openKeyList(3, 6);
    hover(3, 6);
    controls.destroy(keyListId(3));
    const MouseConfig before = config;
    const auto labelsBefore = labels;
    EXPECT_EQ(pick(0), std::nullopt);
    EXPECT_EQ(config, before);
    EXPECT_EQ(labels, labelsBefore);
    EXPECT_FALSE(controls.exists(kDpiSubListId));
}

}  // namespace
}  // namespace quorvel::test
