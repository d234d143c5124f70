#include "platform/win32/system_pointer_win32.h"

#include <windows.h>

#include <array>

namespace quorvel::win32 {
namespace {

// Acceleration thresholds and level of "Enhance pointer precision".
constexpr std::array<int, 3> kPrecisionOn = {6, 10, 1};
constexpr std::array<int, 3> kPrecisionOff = {0, 0, 0};

}  // namespace

bool Win32SystemPointer::setPointerPrecision(bool on) {
    std::array<int, 3> values = on ? kPrecisionOn : kPrecisionOff;
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values.data(), SPIF_SENDCHANGE) != FALSE;
}

bool Win32SystemPointer::setPointerSpeed(std::uint32_t speed) {
    // The speed travels in the pointer argument itself; Wine reads the other argument, which
    // Windows ignores for this setting, so both carry it.
    return SystemParametersInfoW(SPI_SETMOUSESPEED, speed,
                                 reinterpret_cast<void*>(static_cast<UINT_PTR>(speed)),
                                 SPIF_SENDCHANGE) != FALSE;
}

bool Win32SystemPointer::setWheelScrollLines(std::uint32_t lines) {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDCHANGE) != FALSE;
}

bool Win32SystemPointer::setDoubleClickTime(std::uint32_t milliseconds) {
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr,
                                 SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

std::optional<bool> Win32SystemPointer::pointerPrecision() {
    std::array<int, 3> values{};
    if (SystemParametersInfoW(SPI_GETMOUSE, 0, values.data(), 0) == FALSE)
        return std::nullopt;
    return values[2] != 0;
}

std::optional<std::uint32_t> Win32SystemPointer::pointerSpeed() {
    UINT speed = 0;
    if (SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0) == FALSE)
        return std::nullopt;
    return speed;
}

std::optional<std::uint32_t> Win32SystemPointer::wheelScrollLines() {
    UINT lines = 0;
    if (SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0) == FALSE)
        return std::nullopt;
    return lines;
}

std::uint32_t Win32SystemPointer::doubleClickTime() {
    return GetDoubleClickTime();
}

}  // namespace quorvel::win32
