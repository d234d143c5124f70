// Apply's pointer step: the record's positions as the system's values, refusals reported.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/pointer_settings.h"

namespace quorvel::test {
namespace {

class FakeSystem : public SystemPointerPort {
  public:
    bool setPointerPrecision(bool on) override { return record("precision", on); }
    bool setPointerSpeed(std::uint32_t v) override { return record("speed", v); }
    bool setWheelScrollLines(std::uint32_t v) override { return record("lines", v); }
    bool setDoubleClickTime(std::uint32_t v) override { return record("double-click", v); }

    std::vector<std::string> calls;
    std::string refuse;

  private:
    bool record(const std::string& what, std::uint32_t value) {
        calls.push_back(what + "=" + std::to_string(value));
        return what != refuse;
    }
};

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
    FakeSystem system;
    Messages messages;
    applyPointerSettings(withPositions(1, 0, 6, 3, 6), system, messages);
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"precision=1", "speed=10", "lines=3", "double-click=550"}));
    EXPECT_TRUE(messages.shown.empty());
    system.calls.clear();
    // Only a byte of exactly 1 turns precision on; the one-screen flag takes any non-zero.
    applyPointerSettings(withPositions(2, 2, 1, 5, 11), system, messages);
    EXPECT_EQ(system.calls, (std::vector<std::string>{"precision=0", "speed=1", "lines=4294967295",
                                                      "double-click=200"}));
}

TEST(PointerApply, ARefusalIsReportedAndTheRestStillRun) {
    for (const auto& [refused, message] : std::vector<std::pair<std::string, std::string>>{
             {"precision", "Warning:SETMOUSE failed."},
             {"speed", "Warning:SETMOUSESPEED failed."},
             {"lines", "Warning:SETWHEELSCROLLLINES failed."},
             {"double-click", "Warning:SPI_SETDOUBLECLICKTIME failed."}}) {
        FakeSystem system;
        system.refuse = refused;
        Messages messages;
        applyPointerSettings(withPositions(0, 0, 6, 3, 6), system, messages);
        EXPECT_EQ(system.calls.size(), 4U) << refused;
        EXPECT_EQ(messages.shown, std::vector<std::string>{message});
    }
}

}  // namespace
}  // namespace quorvel::test
