#include "keys/scan_code_names.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "keys/key_code_tables.h"

namespace quorvel {
namespace {

TEST(ScanCodeNames, EveryNameIsAKeyTableNameAndEveryPositionHasOne) {
    std::set<std::string_view> names;
    std::set<std::pair<int, bool>> positions;
    for (const ScanCodeName& row : kScanCodeNames) {
        EXPECT_NE(keyCodeFromName(row.name), 0) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << "named twice: " << row.name;
        EXPECT_TRUE(positions.insert({row.scanCode, row.extended}).second) << row.name;
        EXPECT_EQ(keyNameFromScanCode(row.scanCode, row.extended), row.name);
    }
    // Every keyboard key of the key table can be captured; only the ISO key that has no
    // position of its own on a US keyboard, and the mouse buttons, cannot.
    for (const NamedCode& key : kKeyNameTable) {
        const bool capturable = key.code < 0xF0 && key.name != "Eurpo(Note 2)";
        EXPECT_EQ(names.count(key.name), capturable ? 1u : 0u) << key.name;
    }
}

TEST(ScanCodeNames, TheExtendedBitTellsTheTwinKeysApart) {
    EXPECT_EQ(keyNameFromScanCode(0x1D, false), "Ctrl");
    EXPECT_EQ(keyNameFromScanCode(0x1D, true), "Right Ctrl");
    EXPECT_EQ(keyNameFromScanCode(0x38, false), "Alt");
    EXPECT_EQ(keyNameFromScanCode(0x38, true), "Right Alt");
    EXPECT_EQ(keyNameFromScanCode(0x1C, false), "Enter");
    EXPECT_EQ(keyNameFromScanCode(0x1C, true), "Num Enter");
    EXPECT_EQ(keyNameFromScanCode(0x53, false), "Num Del");
    EXPECT_EQ(keyNameFromScanCode(0x53, true), "Delete");
    EXPECT_EQ(keyNameFromScanCode(0x45, false), "Pause");
    EXPECT_EQ(keyNameFromScanCode(0x45, true), "Num Lock");
    EXPECT_EQ(keyNameFromScanCode(0x36, false), "Right Shift");
}

TEST(ScanCodeNames, KeysTheMouseCannotSendHaveNoName) {
    EXPECT_EQ(keyNameFromScanCode(0x00, false), "");
    EXPECT_EQ(keyNameFromScanCode(0x5D, true), "");   // Application
    EXPECT_EQ(keyNameFromScanCode(0x46, true), "");   // Break
    EXPECT_EQ(keyNameFromScanCode(0x56, false), "");  // ISO key beside the left Shift
    EXPECT_EQ(keyNameFromScanCode(0x1E, true), "");   // no extended twin of "A"
    EXPECT_EQ(keyNameFromScanCode(0xFF, false), "");
}

TEST(Keystroke, FlagWordFields) {
    // Right Ctrl pressed for the first time, then released.
    const Keystroke press = keystrokeFromFlags(0x011D0001u);
    EXPECT_EQ(press.scanCode, 0x1D);
    EXPECT_TRUE(press.extended);
    EXPECT_FALSE(press.wasDown);
    EXPECT_FALSE(press.released);
    const Keystroke release = keystrokeFromFlags(0xC11D0001u);
    EXPECT_TRUE(release.wasDown);
    EXPECT_TRUE(release.released);
    EXPECT_EQ(keyNameFromScanCode(release.scanCode, release.extended), "Right Ctrl");
    // The repeat count in the low word and the context bit 29 leave the name alone.
    const Keystroke repeat = keystrokeFromFlags(0x601E0005u);
    EXPECT_EQ(keyNameFromScanCode(repeat.scanCode, repeat.extended), "A");
    EXPECT_TRUE(repeat.wasDown);
    EXPECT_FALSE(repeat.released);
}

}  // namespace
}  // namespace quorvel
