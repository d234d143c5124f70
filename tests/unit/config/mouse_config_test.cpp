#include "config/mouse_config.h"

#include <gtest/gtest.h>

#include "config/dpi_tables.h"

namespace quorvel {
namespace {

// Writes a distinct value through one accessor and returns the single byte that changed.
template <typename Write>
std::size_t changedOffset(Write write) {
    MouseConfig config;
    write(config);
    std::size_t found = record::kSize;
    int changes = 0;
    for (std::size_t i = 0; i < record::kSize; ++i) {
        if (config.bytes()[i] != 0) {
            found = i;
            ++changes;
        }
    }
    return changes == 1 ? found : record::kSize + changes;
}

TEST(MouseConfigLayout, RecordIsExactly1849Bytes) {
    EXPECT_EQ(sizeof(MouseConfig), 1849u);
    EXPECT_EQ(MouseConfig{}.bytes().size(), 1849u);
}

TEST(MouseConfigLayout, RecordFieldsLieAtTheirOffsets) {
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setReportRate(8); }), 133u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setDpiValueIndex(1, 5); }), 135u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setDpiValueIndex(4, 5); }), 138u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setStageEnabled(1, true); }), 139u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setStageEnabled(4, true); }), 142u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setStageColour(1, {9, 0, 0}); }), 143u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setStageColour(4, {0, 0, 9}); }), 154u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setLightingMode(3); }), 155u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setStandardParameter(9); }), 156u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setRespirationParameter(4); }), 157u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setNeonParameter(29); }), 158u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setNeonEffect(3); }), 161u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.macroBlock(0)[0] = 1; }), 163u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.macroBlock(11)[127] = 1; }), 1698u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) {
                  c.setPointerSetting(pointer_settings::kPrecision, 1);
              }),
              1699u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) {
                  c.setPointerSetting(pointer_settings::kDoubleClickPosition, 1);
              }),
              1703u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setShownMode(Mode::B); }), 1704u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setDpiSwitchParameter(Mode::A, 5, 3); }),
              1838u);
    EXPECT_EQ(changedOffset([](MouseConfig& c) { c.setDpiSwitchParameter(Mode::B, 5, 3); }),
              1846u);
}

TEST(MouseConfigLayout, EveryButtonFieldOfBothModes) {
    constexpr std::size_t expected[kButtonFieldCount] = {0,  8,  16, 24, 32,  40,  48,  56,
                                                         64, 72, 80, 88, 96, 104, 112, 120};
    for (int f = 0; f < kButtonFieldCount; ++f) {
        for (int button : {0, 7}) {
            const auto field = static_cast<ButtonField>(f);
            const std::size_t at = expected[f] + static_cast<std::size_t>(button);
            EXPECT_EQ(changedOffset([&](MouseConfig& c) {
                          c.setButtonField(Mode::A, field, button, 0xAB);
                      }),
                      at);
            EXPECT_EQ(changedOffset([&](MouseConfig& c) {
                          c.setButtonField(Mode::B, field, button, 0xAB);
                      }),
                      1705 + at);
        }
    }
}

TEST(MouseConfigLayout, OutOfRangeIndexesNeitherReadNorWrite) {
    MouseConfig config;
    config.bytes()[record::kKeyBlockModeB] = 0x55;  // what button 8 of Mode A would overlap
    config.setFunctionCode(Mode::A, 8, 1);
    config.setFunctionCode(Mode::A, -1, 1);
    config.setStageEnabled(0, true);
    config.setStageEnabled(5, true);
    config.setDpiSwitchParameter(Mode::B, 8, 1);
    config.setPointerSetting(5, 1);
    EXPECT_TRUE(config.macroBlock(12).empty());
    EXPECT_TRUE(config.macroBlock(-1).empty());
    EXPECT_EQ(config.functionCode(Mode::B, 0), 0x55);
    EXPECT_EQ(config.functionCode(Mode::A, 8), 0);
    MouseConfig expected;
    expected.bytes()[record::kKeyBlockModeB] = 0x55;
    EXPECT_EQ(config, expected);
}

TEST(MouseConfigDefault, ChangesOnlyCodesAndButtonFiveDpiSwitch) {
    MouseConfig config;
    for (std::size_t i = 0; i < record::kSize; ++i) config.bytes()[i] = static_cast<uint8_t>(i * 7);
    const MouseConfig before = config;
    applyDefaultAssignment(config);
    const std::uint8_t codes[] = {0, 1, 2, 3, 4, 6, 15, 15};
    for (int b = 0; b < kButtonCount; ++b) {
        EXPECT_EQ(config.functionCode(Mode::A, b), codes[b]);
        EXPECT_EQ(config.functionCode(Mode::B, b), codes[b]);
    }
    EXPECT_EQ(config.bytes()[1838], 3);
    EXPECT_EQ(config.bytes()[1846], 3);
    for (std::size_t i = 0; i < record::kSize; ++i) {
        const bool code = i < 8 || (i >= 1705 && i < 1713);
        if (code || i == 1838 || i == 1846) continue;
        EXPECT_EQ(config.bytes()[i], before.bytes()[i]) << "offset " << i;
    }
}

TEST(MouseConfigBackup, RestoreBringsBackEveryByte) {
    ConfigRecords records;
    records.live.setReportRate(1);
    records.live.bytes()[record::kReservedAfterLighting] = 0x77;
    records.takeBackup();
    records.live.clear();
    records.live.setReportRate(8);
    records.restoreBackup();
    EXPECT_EQ(records.live.reportRate(), 1);
    EXPECT_EQ(records.live.bytes()[162], 0x77);
}

TEST(DpiTables, ListsAndCodesPerSensor) {
    ASSERT_EQ(dpiValueList(0).size(), 12u);
    for (int sensor = 1; sensor <= 3; ++sensor) ASSERT_EQ(dpiValueList(sensor).size(), 8u);
    for (int sensor = 0; sensor <= 3; ++sensor) {
        EXPECT_EQ(dpiCodeTable(sensor).size(), dpiValueList(sensor).size());
    }
    EXPECT_TRUE(dpiValueList(4).empty());
    EXPECT_TRUE(dpiValueList(-1).empty());
    EXPECT_EQ(dpiCodeTable(2)[4], 0x0A);
    EXPECT_EQ(dpiCodeTable(1)[7], 0x25);
    EXPECT_EQ(dpiValueList(3)[6], "2800");
}

TEST(DpiTables, StageTextAndCode) {
    MouseConfig config;
    config.setDpiValueIndex(2, 11);
    EXPECT_EQ(dpiTextOfStage(config, 2, 0), "4000");
    EXPECT_EQ(dpiCodeOfStage(config, 2, 0), 0x28);
    // Sensor 1 has eight entries: index 11 lies outside and must not be read.
    EXPECT_EQ(dpiTextOfStage(config, 2, 1), "");
    EXPECT_EQ(dpiCodeOfStage(config, 2, 1), 0);
    config.setDpiValueIndex(3, 7);
    EXPECT_EQ(dpiTextOfStage(config, 3, 1), "3200");
    EXPECT_EQ(dpiTextOfStage(config, 3, 9), "");
    EXPECT_EQ(dpiCodeOfStage(config, 3, 9), 0);
}

TEST(DpiTables, DpiSwitchNames) {
    EXPECT_EQ(dpiSwitchName(1), "DPI +");
    EXPECT_EQ(dpiSwitchName(2), "DPI -");
    EXPECT_EQ(dpiSwitchName(3), "DPI Loop");
    EXPECT_EQ(dpiSwitchName(0), "");
    EXPECT_EQ(dpiSwitchName(4), "");
}

}  // namespace
}  // namespace quorvel
