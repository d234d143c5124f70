#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "keys/button_functions.h"

namespace quorvel {
namespace {

KeyEntry entryOf(FunctionCode code, MouseConfig config = {}, Mode mode = Mode::A, int button = 3) {
    config.setFunctionCode(mode, button, codeByte(code));
    return keyEntryFor(config, mode, button);
}

KeyEntry bytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return KeyEntry{{b0, b1, b2, b3}};
}

TEST(KeyEntryFixed, FunctionsWithoutParametersGiveTheirFixedWords) {
    EXPECT_EQ(entryOf(FunctionCode::LeftClick).word(), 0x00F00001u);
    EXPECT_EQ(entryOf(FunctionCode::RightClick).word(), 0x00F10001u);
    EXPECT_EQ(entryOf(FunctionCode::MidClick).word(), 0x00F20001u);
    EXPECT_EQ(entryOf(FunctionCode::Forward).word(), 0x00F40001u);
    EXPECT_EQ(entryOf(FunctionCode::Backward).word(), 0x00F30001u);
    EXPECT_EQ(entryOf(FunctionCode::TripleClick).word(), 0x0320F00Au);
    EXPECT_EQ(entryOf(FunctionCode::RgbOnOff).word(), 0x00030008u);
    EXPECT_EQ(entryOf(FunctionCode::Shift).word(), 0x00020008u);
    EXPECT_EQ(entryOf(FunctionCode::KeyOff).word(), 0x00000000u);
}

TEST(KeyEntryFixed, BytesAreInWireOrderWithTheTypeFirst) {
    EXPECT_EQ(entryOf(FunctionCode::TripleClick), bytes(0x0A, 0xF0, 0x20, 0x03));
    EXPECT_EQ(entryOf(FunctionCode::Forward), bytes(0x01, 0x00, 0xF4, 0x00));
}

TEST(KeyEntryFixed, FixedEntriesIgnoreEveryParameterField) {
    MouseConfig noisy;
    for (auto& b : noisy.bytes())
        b = 0x5A;
    for (std::uint8_t code : {0, 1, 2, 3, 4, 5, 7, 14, 15}) {
        const auto function = static_cast<FunctionCode>(code);
        EXPECT_EQ(entryOf(function, noisy), entryOf(function)) << "code " << int(code);
    }
}

TEST(KeyEntryParameters, DpiSwitchCarriesTheParameterOfItsModeAndButton) {
    MouseConfig config;
    config.setDpiSwitchParameter(Mode::A, 3, 2);
    config.setDpiSwitchParameter(Mode::B, 3, 1);
    config.setDpiSwitchParameter(Mode::A, 4, 3);
    EXPECT_EQ(entryOf(FunctionCode::DpiSwitch, config, Mode::A), bytes(0x07, 0, 2, 0));
    EXPECT_EQ(entryOf(FunctionCode::DpiSwitch, config, Mode::B), bytes(0x07, 0, 1, 0));
}

TEST(KeyEntryParameters, WindowsShortcutCarriesBothUsageBytes) {
    MouseConfig config;
    config.setButtonField(Mode::A, ButtonField::WindowsPosition, 3, 6);
    config.setButtonField(Mode::A, ButtonField::WindowsUsageLow, 3, 0x24);
    config.setButtonField(Mode::A, ButtonField::WindowsUsageHigh, 3, 0x02);
    EXPECT_EQ(entryOf(FunctionCode::Windows, config), bytes(0x03, 0x00, 0x24, 0x02));
}

TEST(KeyEntryParameters, MediaCarriesItsUsageByte) {
    MouseConfig config;
    config.setButtonField(Mode::A, ButtonField::MediaPosition, 3, 3);
    config.setButtonField(Mode::A, ButtonField::MediaUsage, 3, 0xCD);
    EXPECT_EQ(entryOf(FunctionCode::Multimedia, config), bytes(0x03, 0x00, 0xCD, 0x00));
}

TEST(KeyEntryParameters, FireKeyCopiesCodeSpeedAndTimesUnchecked) {
    MouseConfig config;
    config.setButtonField(Mode::A, ButtonField::FireKeyCode, 3, 0xF6);
    config.setButtonField(Mode::A, ButtonField::FireSpeed, 3, 1);  // below the dialog's range
    config.setButtonField(Mode::A, ButtonField::FireTimes, 3, 255);
    EXPECT_EQ(entryOf(FunctionCode::FireKey, config), bytes(0x0A, 0xF6, 0x01, 0xFF));
}

TEST(KeyEntryParameters, SingleAndComboKeysAreKeyboardEntries) {
    MouseConfig config;
    config.setButtonField(Mode::A, ButtonField::SingleKeyCode, 3, 0x3A);
    config.setButtonField(Mode::A, ButtonField::ComboModifiers, 3, 0x40);
    config.setButtonField(Mode::A, ButtonField::ComboFirstKey, 3, 0x00);
    config.setButtonField(Mode::A, ButtonField::ComboSecondKey, 3, 0x3E);
    EXPECT_EQ(entryOf(FunctionCode::SingleKey, config), bytes(0x00, 0x00, 0x3A, 0x00));
    EXPECT_EQ(entryOf(FunctionCode::ComboKey, config), bytes(0x00, 0x40, 0x00, 0x3E));
}

TEST(KeyEntryParameters, MacroSendsRepeatByteAndSlotCountedFromOne) {
    MouseConfig config;
    config.setButtonField(Mode::A, ButtonField::MacroSlot, 3, 0);
    config.setButtonField(Mode::A, ButtonField::MacroRepeat, 3, 1);  // RepeatMode 2
    EXPECT_EQ(entryOf(FunctionCode::MacroKey, config), bytes(0x09, 0x01, 0x01, 0x00));
    config.setButtonField(Mode::A, ButtonField::MacroSlot, 3, 11);
    EXPECT_EQ(entryOf(FunctionCode::MacroKey, config), bytes(0x09, 0x01, 0x0C, 0x00));
}

TEST(KeyEntryOutOfRange, CodesAbove15AndBadButtonsGiveZeroEntries) {
    MouseConfig config;
    for (auto& b : config.bytes())
        b = 0x11;
    for (int code = 16; code < 256; ++code) {
        config.setFunctionCode(Mode::B, 7, static_cast<std::uint8_t>(code));
        EXPECT_EQ(keyEntryFor(config, Mode::B, 7), KeyEntry{}) << "code " << code;
    }
    EXPECT_EQ(keyEntryFor(config, Mode::A, -1), KeyEntry{});
    EXPECT_EQ(keyEntryFor(config, Mode::A, 8), KeyEntry{});
}

TEST(KeyEntryOutOfRange, AllZeroRecordIsLeftClickEverywhere) {
    const MouseConfig config;
    for (Mode mode : {Mode::A, Mode::B}) {
        for (int button = 0; button < kButtonCount; ++button) {
            EXPECT_EQ(keyEntryFor(config, mode, button).word(), 0x00F00001u);
        }
    }
}

// Byte offsets of the record that the entry of (mode, button) may depend on.
std::vector<bool> allowedBytes(const MouseConfig& config, Mode mode, int button) {
    std::vector<bool> allowed(record::kSize, false);
    auto mark = [&](auto write) {
        MouseConfig probe = config;
        write(probe);
        for (std::size_t i = 0; i < record::kSize; ++i) {
            if (probe.bytes()[i] != config.bytes()[i])
                allowed[i] = true;
        }
    };
    const std::uint8_t code = config.functionCode(mode, button);
    mark([&](MouseConfig& c) { c.setFunctionCode(mode, button, code ^ 0xFF); });
    if (const auto function = buttonFunction(code)) {
        for (ButtonField f : function->parameters()) {
            mark([&](MouseConfig& c) {
                c.setButtonField(mode, f, button, c.buttonField(mode, f, button) ^ 0xFF);
            });
        }
        if (function->usesDpiSwitchParameter) {
            mark([&](MouseConfig& c) {
                c.setDpiSwitchParameter(mode, button, c.dpiSwitchParameter(mode, button) ^ 0xFF);
            });
        }
    }
    return allowed;
}

TEST(KeyEntryIsolation, EntryReadsOnlyItsOwnFunctionsFields) {
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int iteration = 0; iteration < 3000; ++iteration) {
        MouseConfig config;
        for (auto& b : config.bytes())
            b = static_cast<std::uint8_t>(byte(rng));
        const Mode mode = (iteration & 1) ? Mode::B : Mode::A;
        const int button = (iteration / 2) % kButtonCount;
        // Mostly catalogue codes, some beyond it.
        config.setFunctionCode(mode, button, static_cast<std::uint8_t>(byte(rng) % 20));
        const KeyEntry before = keyEntryFor(config, mode, button);

        const std::vector<bool> allowed = allowedBytes(config, mode, button);
        MouseConfig changed = config;
        for (std::size_t i = 0; i < record::kSize; ++i) {
            if (!allowed[i])
                changed.bytes()[i] = static_cast<std::uint8_t>(~config.bytes()[i]);
        }
        ASSERT_EQ(keyEntryFor(changed, mode, button), before)
            << "iteration " << iteration << " code " << int(config.functionCode(mode, button));
    }
}

TEST(FunctionCatalogue, CodesAreListPositionsAndTextsMatchTheKeyLists) {
    constexpr std::string_view kTexts[] = {"Left Click", "Right Click",  "Mid Click",  "Forward",
                                           "Backward",   "Triple-click", "DPI Switch", "RGB On/Off",
                                           "Windows",    "Multimedia",   "Fire Key",   "Single Key",
                                           "Combo Key",  "Macro Key",    "Shift",      "Key Off"};
    for (std::size_t i = 0; i < kButtonFunctions.size(); ++i) {
        EXPECT_EQ(codeByte(kButtonFunctions[i].code), i);
        EXPECT_EQ(kButtonFunctions[i].listText, kTexts[i]);
    }
    EXPECT_FALSE(buttonFunction(16).has_value());
}

TEST(FunctionCatalogue, ParameterFieldsAreThoseTheDialogsFill) {
    using F = ButtonField;
    auto fields = [](FunctionCode c) {
        const auto p = kButtonFunctions[codeByte(c)].parameters();
        return std::vector<F>(p.begin(), p.end());
    };
    EXPECT_EQ(fields(FunctionCode::Windows),
              (std::vector<F>{F::WindowsPosition, F::WindowsUsageLow, F::WindowsUsageHigh}));
    EXPECT_EQ(fields(FunctionCode::Multimedia), (std::vector<F>{F::MediaPosition, F::MediaUsage}));
    EXPECT_EQ(fields(FunctionCode::FireKey),
              (std::vector<F>{F::FirePosition, F::FireKeyCode, F::FireSpeed, F::FireTimes}));
    EXPECT_EQ(fields(FunctionCode::SingleKey), (std::vector<F>{F::SingleKeyCode}));
    EXPECT_EQ(fields(FunctionCode::ComboKey),
              (std::vector<F>{F::ComboModifiers, F::ComboFirstKey, F::ComboSecondKey}));
    EXPECT_EQ(fields(FunctionCode::MacroKey), (std::vector<F>{F::MacroSlot, F::MacroRepeat}));
    EXPECT_TRUE(fields(FunctionCode::Shift).empty());
    EXPECT_TRUE(kButtonFunctions[codeByte(FunctionCode::DpiSwitch)].usesDpiSwitchParameter);
}

}  // namespace
}  // namespace quorvel
