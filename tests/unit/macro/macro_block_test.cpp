#include "macro/macro_block.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "macro/macro_item.h"

namespace quorvel {
namespace {

// The few key codes these cases use; unknown names give 0 as the real table does.
std::uint8_t testKeyCode(std::string_view name) {
    if (name == "Ctrl")
        return 0xE0;
    if (name == "C")
        return 0x06;
    if (name == "A")
        return 0x04;
    if (name == "L-Button")
        return 0xF0;
    return 0;
}

using Block = std::array<std::uint8_t, kMacroBlockSize>;

Block encoded(const std::vector<std::string>& items, Block block = {}) {
    encodeMacroBlock(items, block, testKeyCode);
    return block;
}

std::vector<std::uint8_t> eventBytes(const Block& block, std::size_t count) {
    return {block.begin() + 2, block.begin() + 2 + static_cast<std::ptrdiff_t>(count)};
}

bool zeroFrom(const Block& block, std::size_t from) {
    for (std::size_t i = from; i < block.size(); ++i) {
        if (block[i] != 0)
            return false;
    }
    return true;
}

TEST(MacroBlockEncoding, CopyMacroGivesTheDocumentedBlock) {
    Block block{};
    block[1] = 1;  // loop count 1
    block =
        encoded({"Ctrl   Dn", "50 ms", "C   Dn", "50 ms", "C   Up", "50 ms", "Ctrl   Up"}, block);
    const std::vector<std::uint8_t> head(block.begin(), block.begin() + 10);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{0x00, 0x01, 0x05, 0xE0, 0x05, 0x06, 0x85, 0x06, 0x80,
                                               0xE0}));
    EXPECT_TRUE(zeroFrom(block, 10));
}

TEST(MacroBlockEncoding, LongDelaysTakeFourBytes) {
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "1350 ms"}), 4),
              (std::vector<std::uint8_t>{0x32, 0x04, 0x0D, 0x03}));
    EXPECT_EQ(eventBytes(encoded({"A   Up", "1271 ms"}), 4),
              (std::vector<std::uint8_t>{0x80 | 71, 0x04, 12, 0x03}));
    // The next event follows the fourth byte directly.
    const Block two = encoded({"A   Dn", "1350 ms", "A   Up"});
    EXPECT_EQ(eventBytes(two, 6), (std::vector<std::uint8_t>{0x32, 0x04, 0x0D, 0x03, 0x80, 0x04}));
    EXPECT_TRUE(zeroFrom(two, 8));
}

TEST(MacroBlockEncoding, ShortDelayBoundaryAndTruncation) {
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "1270 ms"}), 2),
              (std::vector<std::uint8_t>{0x7F, 0x04}));
    EXPECT_EQ(eventBytes(encoded({"A   Up", "1270 ms"}), 2),
              (std::vector<std::uint8_t>{0xFF, 0x04}));
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "5 ms"}), 2), (std::vector<std::uint8_t>{0x00, 0x04}));
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "19 ms"}), 2), (std::vector<std::uint8_t>{0x01, 0x04}));
}

TEST(MacroBlockEncoding, MissingOrOddDelaysCountAsZero) {
    // The last release has no delay after it.
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "50 ms", "A   Up"}), 4),
              (std::vector<std::uint8_t>{0x05, 0x04, 0x80, 0x04}));
    // Two events side by side: the second is not the first one's delay, even for a digit key.
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "5   Dn", "30 ms"}), 4),
              (std::vector<std::uint8_t>{0x00, 0x04, 0x03, 0x00}));
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "soon"}), 2), (std::vector<std::uint8_t>{0x00, 0x04}));
    EXPECT_EQ(eventBytes(encoded({"A   Dn", "-40 ms"}), 2),
              (std::vector<std::uint8_t>{0x00, 0x04}));
    EXPECT_EQ(eventBytes(encoded({"A   Dn", ""}), 2), (std::vector<std::uint8_t>{0x00, 0x04}));
}

TEST(MacroBlockEncoding, DelaysBeyondALongEventAreClampedNotWrapped) {
    Block block{};
    const std::vector<std::string> items = {"A   Dn", "99999 ms"};
    const BlockConversion result = encodeMacroBlock(items, block, testKeyCode);
    EXPECT_EQ(eventBytes(block, 4), (std::vector<std::uint8_t>{99, 0x04, 255, 0x03}));
    EXPECT_EQ(result.delaysClamped, 1u);
}

TEST(MacroBlockEncoding, FirstItemReleaseOrDelayStartsAtByteTwo) {
    Block dirty{};
    dirty.fill(0xAA);
    const Block release = encoded({"A   Up", "20 ms"}, dirty);
    EXPECT_EQ(release[0], 0xAA);  // loop count kept
    EXPECT_EQ(release[1], 0xAA);
    EXPECT_EQ(eventBytes(release, 2), (std::vector<std::uint8_t>{0x82, 0x04}));
    EXPECT_TRUE(zeroFrom(release, 4));

    const Block delay = encoded({"50 ms", "C   Dn", "10 ms"}, dirty);
    EXPECT_EQ(eventBytes(delay, 2), (std::vector<std::uint8_t>{0x01, 0x06}));
    EXPECT_TRUE(zeroFrom(delay, 4));
}

TEST(MacroBlockEncoding, EmptyMacroClearsTheWholeBlock) {
    Block dirty{};
    dirty.fill(0x5C);
    EXPECT_TRUE(zeroFrom(encoded({}, dirty), 0));
    // Items that are no events keep the loop count and clear the events.
    const Block noEvents = encoded({"", "50 ms"}, dirty);
    EXPECT_EQ(noEvents[0], 0x5C);
    EXPECT_TRUE(zeroFrom(noEvents, 2));
}

TEST(MacroBlockEncoding, UnknownNamesAreWrittenWithCodeZero) {
    Block block{};
    const std::vector<std::string> items = {"ctrl   Dn", "10 ms"};
    const BlockConversion result = encodeMacroBlock(items, block, testKeyCode);
    EXPECT_EQ(eventBytes(block, 2), (std::vector<std::uint8_t>{0x01, 0x00}));
    EXPECT_EQ(result.unknownKeys, 1u);
    EXPECT_TRUE(result.complete());
}

TEST(MacroBlockLimits, SixtyThreeShortEventsFillTheBlockExactly) {
    std::vector<std::string> items;
    for (int i = 0; i < 64; ++i) {
        items.push_back(i % 2 == 0 ? pressItem("A") : releaseItem("A"));
        items.push_back(delayItem(10));
    }
    Block block{};
    const BlockConversion result = encodeMacroBlock(items, block, testKeyCode);
    EXPECT_EQ(result.eventCount, 64u);
    EXPECT_EQ(result.eventsWritten, 63u);
    EXPECT_EQ(result.eventBytesUsed, 126u);
    EXPECT_EQ(result.itemsConverted, 126u);  // the 64th event is item 126
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(block[126], 0x01);  // event 63 is a press: head, then code
    EXPECT_EQ(block[127], 0x04);
}

TEST(MacroBlockLimits, ALongEventThatDoesNotFitEndsTheConversion) {
    // 62 short events leave two bytes; a long event needs four, and a short one after it
    // must not be slipped in out of order.
    std::vector<std::string> items;
    for (int i = 0; i < 62; ++i) {
        items.push_back(pressItem("A"));
        items.push_back(delayItem(0));
    }
    items.push_back(pressItem("C"));
    items.push_back(delayItem(5000));
    items.push_back(pressItem("C"));
    std::array<std::uint8_t, kMacroBlockSize + 8> guarded{};
    guarded.fill(0xEE);
    const std::span<std::uint8_t> block(guarded.data() + 4, kMacroBlockSize);
    const BlockConversion result = encodeMacroBlock(items, block, testKeyCode);
    EXPECT_EQ(result.eventsWritten, 62u);
    EXPECT_EQ(result.itemsConverted, 124u);
    EXPECT_EQ(result.eventBytesUsed, 124u);
    EXPECT_EQ(block[126], 0);
    EXPECT_EQ(block[127], 0);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(guarded[i], 0xEE);
        EXPECT_EQ(guarded[4 + kMacroBlockSize + i], 0xEE);
    }
}

TEST(MacroBlockLimits, ABlockOfTheWrongSizeIsLeftAlone) {
    std::array<std::uint8_t, 16> small{};
    small.fill(7);
    const std::vector<std::string> items = {"A   Dn"};
    encodeMacroBlock(items, small, testKeyCode);
    for (auto byte : small)
        EXPECT_EQ(byte, 7);
}

TEST(MacroBlockLoopCount, StoredHighByteFirst) {
    Block block{};
    setLoopCountOf(block, 0x1234);
    EXPECT_EQ(block[0], 0x12);
    EXPECT_EQ(block[1], 0x34);
    EXPECT_EQ(loopCountOf(block), 0x1234);
    setLoopCountOf(block, 65535);
    EXPECT_EQ(loopCountOf(block), 65535);
}

}  // namespace
}  // namespace quorvel
