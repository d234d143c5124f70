#include "keys/key_code_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quorvel {
namespace {

TEST(KeyNameTable, NamesGiveTheirUsages) {
    EXPECT_EQ(keyCodeFromName("A"), 0x04);
    EXPECT_EQ(keyCodeFromName("Z"), 0x1D);
    EXPECT_EQ(keyCodeFromName("1"), 0x1E);
    EXPECT_EQ(keyCodeFromName("0"), 0x27);
    EXPECT_EQ(keyCodeFromName("Space"), 0x2C);
    EXPECT_EQ(keyCodeFromName("\\"), 0x31);
    EXPECT_EQ(keyCodeFromName("Eurpo(Note 2)"), 0x32);
    EXPECT_EQ(keyCodeFromName("`"), 0x35);
    EXPECT_EQ(keyCodeFromName("/"), 0x38);
    EXPECT_EQ(keyCodeFromName("F12"), 0x45);
    EXPECT_EQ(keyCodeFromName("Prnt Scrn"), 0x46);
    EXPECT_EQ(keyCodeFromName("Up"), 0x52);
    EXPECT_EQ(keyCodeFromName("Num Enter"), 0x58);
    EXPECT_EQ(keyCodeFromName("Num 0"), 0x62);
    EXPECT_EQ(keyCodeFromName("Num Del"), 0x63);
    EXPECT_EQ(keyCodeFromName("Ctrl"), 0xE0);
    EXPECT_EQ(keyCodeFromName("Right Windows"), 0xE7);
    EXPECT_EQ(keyCodeFromName("M-Button"), 0xF2);
}

TEST(KeyNameTable, RowsRunThroughConsecutiveCodesInOrder) {
    // Each contiguous run of the table steps by one; runs start at the listed codes.
    const std::set<std::uint8_t> runStarts = {0x04, 0xE0, 0xF0};
    for (std::size_t i = 1; i < kKeyNameTable.size(); ++i) {
        const std::uint8_t code = kKeyNameTable[i].code;
        if (runStarts.count(code) == 0) {
            EXPECT_EQ(code, kKeyNameTable[i - 1].code + 1) << kKeyNameTable[i].name;
        }
    }
    EXPECT_EQ(kKeyNameTable.front().code, 0x04);
    EXPECT_EQ(kKeyNameTable[96].name, "Ctrl");
    EXPECT_EQ(kKeyNameTable.back().name, "M-Button");
}

TEST(KeyNameTable, EveryNameIsDistinctAndFoundAsItself) {
    std::set<std::string_view> seen;
    for (const NamedCode& row : kKeyNameTable) {
        EXPECT_TRUE(seen.insert(row.name).second) << row.name;
        EXPECT_EQ(keyCodeFromName(row.name), row.code) << row.name;
    }
}

TEST(KeyNameTable, LookupIsExactAndCaseSensitive) {
    EXPECT_EQ(keyCodeFromName("a"), 0);
    EXPECT_EQ(keyCodeFromName("ctrl"), 0);
    EXPECT_EQ(keyCodeFromName("Num"), 0);
    EXPECT_EQ(keyCodeFromName("Ctrl "), 0);
    EXPECT_EQ(keyCodeFromName(" A"), 0);
    EXPECT_EQ(keyCodeFromName(""), 0);
    EXPECT_EQ(keyCodeFromName("Strg"), 0);       // a localised control-key name
    EXPECT_EQ(keyCodeFromName("Left Ctrl"), 0);  // a modifier name, not a key name
    EXPECT_EQ(keyCodeFromName(std::string("A\0", 2)), 0);
}

TEST(ModifierTable, NamesGiveTheirBits) {
    EXPECT_EQ(modifierBitFromName("Left Ctrl"), 0x01);
    EXPECT_EQ(modifierBitFromName("Left Shift"), 0x02);
    EXPECT_EQ(modifierBitFromName("Left Alt"), 0x04);
    EXPECT_EQ(modifierBitFromName("Left Win"), 0x08);
    EXPECT_EQ(modifierBitFromName("Right Ctrl"), 0x10);
    EXPECT_EQ(modifierBitFromName("Right Shift"), 0x20);
    EXPECT_EQ(modifierBitFromName("Right Alt"), 0x40);
    EXPECT_EQ(modifierBitFromName("Right Win"), 0x80);
}

TEST(ModifierTable, KeyNamesAreNotModifierNames) {
    EXPECT_EQ(modifierBitFromName("Ctrl"), 0);
    EXPECT_EQ(modifierBitFromName("Right Windows"), 0);
    EXPECT_EQ(modifierBitFromName("left ctrl"), 0);
    EXPECT_EQ(modifierBitFromName(""), 0);
}

TEST(FireTargetTable, PositionsGiveTheirCodes) {
    EXPECT_EQ(fireKeyCodeFromPosition(0), 0x04);
    EXPECT_EQ(fireKeyCodeFromPosition(25), 0x1D);
    EXPECT_EQ(fireKeyCodeFromPosition(35), 0x27);
    EXPECT_EQ(fireKeyCodeFromPosition(36), 0xE0);
    EXPECT_EQ(fireKeyCodeFromPosition(38), 0xE2);
    EXPECT_EQ(fireKeyCodeFromPosition(39), 0xE4);  // "R-CTRL": the left Windows key is skipped
    EXPECT_EQ(fireKeyCodeFromPosition(40), 0xE5);
    EXPECT_EQ(fireKeyCodeFromPosition(41), 0xE6);
    EXPECT_EQ(fireKeyCodeFromPosition(42), 0x3A);
    EXPECT_EQ(fireKeyCodeFromPosition(53), 0x45);
    EXPECT_EQ(fireKeyCodeFromPosition(54), 0xF0);
    EXPECT_EQ(fireKeyCodeFromPosition(60), 0xF6);
    EXPECT_EQ(kFireTargetTable[60].name, "R-Tilt Wheel");
}

TEST(FireTargetTable, WindowsKeysAreNoTargets) {
    for (const NamedCode& row : kFireTargetTable) {
        EXPECT_NE(row.code, 0xE3);
        EXPECT_NE(row.code, 0xE7);
    }
}

TEST(FireTargetTable, PositionsPastTheListOrAboveAByteGiveZero) {
    EXPECT_EQ(fireKeyCodeFromPosition(61), 0);
    EXPECT_EQ(fireKeyCodeFromPosition(255), 0);
    EXPECT_EQ(fireKeyCodeFromPosition(-1), 0);
    EXPECT_EQ(fireKeyCodeFromPosition(256 + 39), 0xE4);  // only the low byte counts
}

TEST(MediaKeyTable, PositionsGiveUsageLowBytes) {
    EXPECT_EQ(mediaUsageFromPosition(0), 0xB5);
    EXPECT_EQ(mediaUsageFromPosition(3), 0xCD);
    EXPECT_EQ(kMediaKeyTable[3].name, "Play/Pause");
    EXPECT_EQ(mediaUsageFromPosition(6), 0xEA);
    EXPECT_EQ(mediaUsageFromPosition(7), 0);
    EXPECT_EQ(mediaUsageFromPosition(256 + 4), 0xE2);
}

TEST(WindowsKeyTable, PositionsGiveLowAndDerivedHighByte) {
    EXPECT_EQ(windowsUsageFromPosition(0), (UsageBytes{0x83, 0x01}));
    EXPECT_EQ(windowsUsageFromPosition(3), (UsageBytes{0x94, 0x01}));
    EXPECT_EQ(windowsUsageFromPosition(4), (UsageBytes{0x21, 0x02}));
    EXPECT_EQ(windowsUsageFromPosition(6), (UsageBytes{0x24, 0x02}));
    EXPECT_EQ(windowsUsageFromPosition(10), (UsageBytes{0x2A, 0x02}));
}

TEST(WindowsKeyTable, PositionsPastTheListGiveZeroBytes) {
    EXPECT_EQ(windowsUsageFromPosition(11), UsageBytes{});
    EXPECT_EQ(windowsUsageFromPosition(255), UsageBytes{});
    EXPECT_EQ(windowsUsageFromPosition(-1), UsageBytes{});
    EXPECT_EQ(windowsUsageFromPosition(256 + 3), (UsageBytes{0x94, 0x01}));
}

TEST(WindowsKeyTable, DerivedHighByteAgreesWithEveryUsage) {
    for (std::size_t i = 0; i < kWindowsKeyTable.size(); ++i) {
        const UsageBytes bytes = windowsUsageFromPosition(static_cast<int>(i));
        EXPECT_EQ((bytes.high << 8) | bytes.low, kWindowsKeyTable[i].usage) << i;
    }
}

}  // namespace
}  // namespace quorvel
