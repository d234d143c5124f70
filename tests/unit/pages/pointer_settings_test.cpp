// The pointer settings both ways: the record's positions as the system's values on Apply and
// "Default", the system's values as positions on the first showing, refusals reported.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pages/pointer_settings.h"
#include "unit/pages/advanced_fakes.h"

namespace quorvel::test {
namespace {

class Messages : public MessageBoxPort {
  public:
    void show(std::string_view text, std::string_view caption) override {
        shown.push_back(std::string(caption) + ":" + std::string(text));
    }
    std::vector<std::string> shown;
};

MouseConfig withPositions(int precision, int oneScreen, int speed, int lines, int doubleClick) {
    using namespace pointer_settings;
    MouseConfig config;
    config.setPointerSetting(kPrecision, static_cast<std::uint8_t>(precision));
    config.setPointerSetting(kScreenPerNotch, static_cast<std::uint8_t>(oneScreen));
    config.setPointerSetting(kSpeedPosition, static_cast<std::uint8_t>(speed));
    config.setPointerSetting(kScrollLinesPosition, static_cast<std::uint8_t>(lines));
    config.setPointerSetting(kDoubleClickPosition, static_cast<std::uint8_t>(doubleClick));
    return config;
}

TEST(PointerPositions, MapToTheSystemValuesOfTheSliderTable) {
    const std::vector<std::uint32_t> speeds = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    const std::vector<std::uint32_t> times = {900, 830, 760, 690, 620, 550,
                                              480, 410, 340, 270, 200};
    for (std::uint8_t p = 1; p <= 11; ++p) {
        EXPECT_EQ(pointerSpeedForPosition(p), speeds[p - 1U]) << int(p);
        EXPECT_EQ(doubleClickTimeForPosition(p), times[p - 1U]) << int(p);
    }
    EXPECT_EQ(wheelScrollLinesFor(false, 0), 0U);
    EXPECT_EQ(wheelScrollLinesFor(false, 7), 7U);
    EXPECT_EQ(wheelScrollLinesFor(true, 7), kScrollOneScreen);
}

TEST(PointerPositions, DamagedPositionsNeverLeaveTheSlider) {
    EXPECT_EQ(pointerSpeedForPosition(0), 1U);
    EXPECT_EQ(pointerSpeedForPosition(200), 20U);
    EXPECT_EQ(doubleClickTimeForPosition(0), 900U);
    EXPECT_EQ(doubleClickTimeForPosition(255), 200U);
}

TEST(PointerApply, WritesFourSettingsInOrder) {
    FakeSystemPointer system;
    Messages messages;
    applyPointerSettings(withPositions(1, 0, 6, 3, 6), system, messages);
    EXPECT_EQ(system.written,
              (std::vector<std::string>{"precision=1", "speed=10", "lines=3", "double-click=550"}));
    EXPECT_TRUE(messages.shown.empty());
    system.written.clear();
    // Only a byte of exactly 1 turns precision on; the one-screen flag takes any non-zero.
    applyPointerSettings(withPositions(2, 2, 1, 5, 11), system, messages);
    EXPECT_EQ(system.written, (std::vector<std::string>{"precision=0", "speed=1",
                                                        "lines=4294967295", "double-click=200"}));
}

TEST(PointerApply, ARefusalIsReportedAndTheRestStillRun) {
    for (const auto& [refused, message] : std::vector<std::pair<std::string, std::string>>{
             {"precision", "Warning:SETMOUSE failed."},
             {"speed", "Warning:SETMOUSESPEED failed."},
             {"lines", "Warning:SETWHEELSCROLLLINES failed."},
             {"double-click", "Warning:SPI_SETDOUBLECLICKTIME failed."}}) {
        FakeSystemPointer system;
        system.refuse = refused;
        Messages messages;
        applyPointerSettings(withPositions(0, 0, 6, 3, 6), system, messages);
        EXPECT_EQ(system.written.size(), 4U) << refused;
        EXPECT_EQ(messages.shown, std::vector<std::string>{message});
    }
}

std::vector<int> positionsOf(const MouseConfig& config) {
    std::vector<int> bytes;
    for (std::size_t field = 0; field < kPointerSettingsSize; ++field) {
        bytes.push_back(config.pointerSetting(field));
    }
    return bytes;  // precision, one screen, speed, lines, double-click
}

TEST(PointerRead, SystemValuesBecomeSliderPositions) {
    // Speeds 10, 3 and 2; 500 ms reads as 6 and is written back as 550.
    EXPECT_EQ(positionForPointerSpeed(10), 6);
    EXPECT_EQ(pointerSpeedForPosition(positionForPointerSpeed(10)), 10U);
    EXPECT_EQ(positionForPointerSpeed(3), 2);
    EXPECT_EQ(positionForPointerSpeed(2), 2);
    EXPECT_EQ(pointerSpeedForPosition(positionForPointerSpeed(3)), 2U);
    EXPECT_EQ(positionForPointerSpeed(20), 11);
    EXPECT_EQ(positionForPointerSpeed(1), 1);
    EXPECT_EQ(positionForDoubleClickTime(500), 6);
    EXPECT_EQ(doubleClickTimeForPosition(positionForDoubleClickTime(500)), 550U);
    // Every written time reads back as its own position.
    for (std::uint8_t p = 1; p <= 11; ++p) {
        EXPECT_EQ(positionForDoubleClickTime(doubleClickTimeForPosition(p)), p);
        EXPECT_EQ(positionForPointerSpeed(pointerSpeedForPosition(p)), p);
    }
}

TEST(PointerRead, ValuesBeyondTheSlidersAreHeldToThem) {
    EXPECT_EQ(positionForDoubleClickTime(901), 1);  // would wrap the unsigned division
    EXPECT_EQ(positionForDoubleClickTime(5000), 1);
    EXPECT_EQ(positionForDoubleClickTime(199), 11);
    EXPECT_EQ(positionForDoubleClickTime(1), 11);
    EXPECT_EQ(positionForScrollLines(11), 11);
    EXPECT_EQ(positionForScrollLines(12), 11);
    EXPECT_EQ(positionForScrollLines(100), 11);
    EXPECT_EQ(positionForScrollLines(0), 0);
    EXPECT_EQ(positionForScrollLines(kScrollOneScreen), 0);
    EXPECT_EQ(positionForPointerSpeed(0), 1);
    EXPECT_EQ(positionForPointerSpeed(4000), 11);
}

TEST(PointerRead, FillsTheRecordAndReportsEachRefusal) {
    FakeSystemPointer system;
    Messages messages;
    MouseConfig config = withPositions(0, 1, 9, 9, 9);
    system.precision = true;
    system.lines = kScrollOneScreen;
    system.doubleClick = 1200;
    readPointerSettings(config, system, messages);
    EXPECT_EQ(positionsOf(config), (std::vector<int>{1, 1, 6, 0, 1}));
    EXPECT_TRUE(messages.shown.empty());

    system.precision = false;
    system.lines = 30;
    readPointerSettings(config, system, messages);
    EXPECT_EQ(positionsOf(config), (std::vector<int>{0, 0, 6, 11, 1}));

    // A refused read keeps what config.bin gave; only precision reads as off, silently.
    config = withPositions(1, 0, 4, 5, 7);
    system.precision.reset();
    system.speed.reset();
    system.lines.reset();
    system.doubleClick = 0;
    readPointerSettings(config, system, messages);
    EXPECT_EQ(positionsOf(config), (std::vector<int>{0, 0, 4, 5, 7}));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Warning:GETMOUSESPEED failed.",
                                                        "Warning:GETWHEELSCROLLLINES failed.",
                                                        "Warning:GetDoubleClickTime failed."}));
}

TEST(PointerDefault, WritesTheSystemDefaultsAndTheirPositions) {
    FakeSystemPointer system;
    Messages messages;
    MouseConfig config = withPositions(1, 1, 11, 11, 11);
    restorePointerDefaults(config, system, messages);
    EXPECT_EQ(system.written,
              (std::vector<std::string>{"precision=0", "speed=10", "lines=3", "double-click=500"}));
    EXPECT_EQ(positionsOf(config), (std::vector<int>{0, 0, 6, 3, 6}));
    // The slider's 6 stands for 550 ms: a later Apply writes that.
    system.written.clear();
    applyPointerSettings(config, system, messages);
    EXPECT_EQ(system.written.back(), "double-click=550");

    system.refuse = "lines";
    restorePointerDefaults(config, system, messages);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Warning:SETWHEELSCROLLLINES failed."});
}

}  // namespace
}  // namespace quorvel::test
