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
