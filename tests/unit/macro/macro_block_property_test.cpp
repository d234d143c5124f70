// Random macros against an independent decoder of the block layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "config/mouse_config.h"
#include "macro/macro_block.h"
#include "macro/macro_block_events.h"

namespace quorvel {
namespace {

constexpr int kCases = 3000;

// Codes for the generator's names; 0x03 never occurs, as in the real key table, so the
// long-event marker cannot be mistaken for a key code.
struct NamedCode {
    const char* name;
    std::uint8_t code;
};
constexpr NamedCode kNames[] = {
    {"A", 0x04},
    {"C", 0x06},
    {"Ctrl", 0xE0},
    {"5", 0x22},
    {"L-Button", 0xF0},
    {"Num Del", 0x63},
    {"Right Windows", 0xE7},
    {"ctrl", 0x00},
    {"", 0x00},
    {"\xC3\x9C"
     "ber",
     0x00},
    {"x y", 0x00},
};

std::uint8_t lookup(std::string_view name) {
    for (const NamedCode& entry : kNames) {
        if (name == entry.name)
            return entry.code;
    }
    return 0;
}

// Texts that are neither events nor program-made delays, with the delay they stand for.
struct OddText {
    const char* text;
    int delay;
};
constexpr OddText kOddTexts[] = {{"", 0},        {"soon", 0}, {"-5 ms", 0},
                                 {" 77 ms", 77}, {"12", 12},  {"ms", 0}};

enum class Kind { Press, Release, Delay, Odd };

struct Item {
    Kind kind = Kind::Odd;
    std::uint8_t code = 0;
    int delay = 0;  // for Delay and Odd
    std::string text;
};

struct Event {
    std::uint8_t code;
    bool release;
    int delay;
    bool operator==(const Event&) const = default;
};

int randomDelay(std::mt19937& rng) {
    switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
        case 0:
            return std::uniform_int_distribution<int>(0, 60)(rng);
        case 1:
            return std::uniform_int_distribution<int>(1260, 1280)(rng);
        case 2:
            return std::uniform_int_distribution<int>(0, 10000)(rng);
        default:
            return std::uniform_int_distribution<int>(25500, 40000)(rng);
    }
}

std::vector<Item> randomItems(std::mt19937& rng) {
    const int count = std::uniform_int_distribution<int>(1, 160)(rng);
    std::vector<Item> items;
    for (int i = 0; i < count; ++i) {
        // Mostly well-formed alternation, with strays mixed in.
        const bool wellFormed = std::uniform_int_distribution<int>(0, 9)(rng) < 8;
        Kind kind;
        if (wellFormed) {
            kind = i % 2 == 0 ? (std::uniform_int_distribution<int>(0, 1)(rng) ? Kind::Press
                                                                               : Kind::Release)
                              : Kind::Delay;
        } else {
            kind = static_cast<Kind>(std::uniform_int_distribution<int>(0, 3)(rng));
        }
        Item item;
        item.kind = kind;
        if (kind == Kind::Press || kind == Kind::Release) {
            const NamedCode& name =
                kNames[std::uniform_int_distribution<std::size_t>(0, std::size(kNames) - 1)(rng)];
            item.code = name.code;
            item.text = std::string(name.name) + (kind == Kind::Press ? "   Dn" : "   Up");
        } else if (kind == Kind::Delay) {
            item.delay = randomDelay(rng);
            item.text = std::to_string(item.delay) + " ms";
        } else {
            const OddText& odd = kOddTexts[std::uniform_int_distribution<std::size_t>(
                0, std::size(kOddTexts) - 1)(rng)];
            item.delay = odd.delay;
            item.text = odd.text;
        }
        items.push_back(item);
    }
    return items;
}

// The events the items describe, with each event's delay taken from the item after it.
std::vector<Event> describedEvents(const std::vector<Item>& items) {
    std::vector<Event> events;
    for (std::size_t j = 0; j < items.size(); ++j) {
        if (items[j].kind != Kind::Press && items[j].kind != Kind::Release)
            continue;
        int delay = 0;
        if (j + 1 < items.size()) {
            const Item& next = items[j + 1];
            if (next.kind == Kind::Delay || next.kind == Kind::Odd)
                delay = next.delay;
        }
        events.push_back({items[j].code, items[j].kind == Kind::Release, delay});
    }
    return events;
}

// What a block can hold of a delay: tens up to 1270 ms, else whole milliseconds up to the
// largest value of a hundreds byte and seven bits.
int storedDelay(int delay) {
    const int d = std::min(delay, 255 * 100 + 99);
    return d <= 1270 ? d / 10 * 10 : d;
}

std::size_t eventSize(const Event& event) {
    return event.delay > 1270 ? 4 : 2;
}

// Reads `count` events from block bytes 2 on, telling long events by their marker byte.
std::vector<Event> decode(std::span<const std::uint8_t> block, std::size_t count,
                          std::size_t& end) {
    std::vector<Event> events;
    std::size_t at = 2;
    while (events.size() < count && at + 2 <= block.size()) {
        const std::uint8_t head = block[at];
        const std::uint8_t code = block[at + 1];
        const bool release = (head & 0x80) != 0;
        if (at + 4 <= block.size() && block[at + 3] == 0x03) {
            events.push_back({code, release, block[at + 2] * 100 + (head & 0x7F)});
            at += 4;
        } else {
            events.push_back({code, release, (head & 0x7F) * 10});
            at += 2;
        }
    }
    end = at;
    return events;
}

TEST(MacroBlockProperty, WritesOnlyItsEventBytesAndDecodesBack) {
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> byteValue(0, 255);
    int truncatedCases = 0;
    for (int n = 0; n < kCases; ++n) {
        const std::vector<Item> items = randomItems(rng);
        std::vector<std::string> texts;
        for (const Item& item : items)
            texts.push_back(item.text);

        MouseConfig config;
        for (auto& byte : config.bytes())
            byte = static_cast<std::uint8_t>(byteValue(rng));
        const MouseConfig before = config;
        const int slot = std::uniform_int_distribution<int>(0, kMacroSlotCount - 1)(rng);

        const BlockConversion result = encodeMacroBlock(texts, config.macroBlock(slot), lookup);

        const std::size_t first = record::kMacroTable + kMacroBlockSize * slot + 2;
        const std::size_t last = record::kMacroTable + kMacroBlockSize * (slot + 1);
        for (std::size_t i = 0; i < record::kSize; ++i) {
            if (i < first || i >= last) {
                ASSERT_EQ(config.bytes()[i], before.bytes()[i]) << "case " << n << " byte " << i;
            }
        }

        std::vector<Event> expected;
        std::size_t used = 0;
        for (Event event : describedEvents(items)) {
            if (used + eventSize(event) > 126)
                break;
            used += eventSize(event);
            event.delay = storedDelay(event.delay);
            expected.push_back(event);
        }
        const std::size_t described = describedEvents(items).size();
        if (expected.size() < described)
            ++truncatedCases;

        std::size_t end = 0;
        const auto block = config.macroBlock(slot);
        ASSERT_EQ(decode(block, expected.size(), end), expected) << "case " << n;
        for (std::size_t i = end; i < block.size(); ++i) {
            ASSERT_EQ(block[i], 0) << "case " << n << " block byte " << i;
        }
        ASSERT_EQ(result.eventCount, described);
        ASSERT_EQ(result.eventsWritten, expected.size());
        ASSERT_EQ(result.eventBytesUsed, used);
        // The program's own reader gives the same events, but for trailing ones that are
        // all zero bytes: those cannot be told from the empty rest of the block.
        std::vector<Event> read;
        for (const auto& e : decodeMacroBlock(block).events)
            read.push_back({e.code, e.release, e.delayMs});
        while (!expected.empty() && expected.back() == Event{0, false, 0})
            expected.pop_back();
        ASSERT_EQ(read, expected) << "case " << n;
    }
    // The generator must reach the block limit often enough to test it.
    EXPECT_GT(truncatedCases, kCases / 10);
}

}  // namespace
}  // namespace quorvel
