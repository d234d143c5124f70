// The pointer settings reach the system: written through the port, read back with the
// system's own getters, and the prefix's values put back afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>

#include "platform/win32/system_pointer_win32.h"

namespace quorvel::win32 {
namespace {

struct PointerState {
    std::array<int, 3> mouse{};
    UINT speed = 0;
    UINT lines = 0;
    UINT doubleClick = 0;
};

PointerState readState() {
    PointerState state;
    SystemParametersInfoW(SPI_GETMOUSE, 0, state.mouse.data(), 0);
    SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &state.speed, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &state.lines, 0);
    state.doubleClick = GetDoubleClickTime();
    return state;
}

class SystemPointerTest : public ::testing::Test {
  protected:
    void TearDown() override {
        SystemParametersInfoW(SPI_SETMOUSE, 0, saved.mouse.data(), 0);
        SystemParametersInfoW(SPI_SETMOUSESPEED, saved.speed,
                              reinterpret_cast<void*>(static_cast<UINT_PTR>(saved.speed)), 0);
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, saved.lines, nullptr, 0);
        SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, saved.doubleClick, nullptr,
                              SPIF_UPDATEINIFILE);
    }

    class NoMessages : public MessageBoxPort {
      public:
        void show(std::string_view text, std::string_view) override { ADD_FAILURE() << text; }
    };

    PointerState saved = readState();
    NoMessages messages;
    Win32SystemPointer system;
    SystemPointerSettings settings{system, messages};
};

TEST_F(SystemPointerTest, ApplyWritesTheRecordsFourSettings) {
    using namespace pointer_settings;
    MouseConfig config;
    config.setPointerSetting(kPrecision, 1);
    config.setPointerSetting(kScreenPerNotch, 0);
    config.setPointerSetting(kSpeedPosition, 4);
    config.setPointerSetting(kScrollLinesPosition, 7);
    config.setPointerSetting(kDoubleClickPosition, 9);
    settings.apply(config);
    const PointerState written = readState();
    EXPECT_EQ(written.mouse, (std::array<int, 3>{6, 10, 1}));
    EXPECT_EQ(written.speed, 6U);
    EXPECT_EQ(written.lines, 7U);
    EXPECT_EQ(written.doubleClick, 340U);

    config.setPointerSetting(kPrecision, 0);
    config.setPointerSetting(kScreenPerNotch, 1);
    settings.apply(config);
    const PointerState rewritten = readState();
    EXPECT_EQ(rewritten.mouse, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(rewritten.lines, kScrollOneScreen);
}

TEST_F(SystemPointerTest, ReadGivesBackThePositionsApplyWrote) {
    using namespace pointer_settings;
    MouseConfig written;
    written.setPointerSetting(kPrecision, 1);
    written.setPointerSetting(kScreenPerNotch, 1);
    written.setPointerSetting(kSpeedPosition, 4);
    written.setPointerSetting(kScrollLinesPosition, 0);
    written.setPointerSetting(kDoubleClickPosition, 9);
    settings.apply(written);
    MouseConfig read;
    readPointerSettings(read, system, messages);
    for (std::size_t field = 0; field < kPointerSettingsSize; ++field) {
        EXPECT_EQ(read.pointerSetting(field), written.pointerSetting(field)) << field;
    }

    // A double-click time beyond the slowest step reads as the first step.
    ASSERT_NE(SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, 1500, nullptr, 0), FALSE);
    readPointerSettings(read, system, messages);
    EXPECT_EQ(read.pointerSetting(kDoubleClickPosition), 1);
}

}  // namespace
}  // namespace quorvel::win32
