// The Windows pointer settings kept in the record, written to the system on Apply.
#pragma once

#include <cstdint>
#include <string_view>

#include "config/mouse_config.h"
#include "ports/message_box.h"

namespace quorvel {

// The four system settings; each call is false when the system refused it.
class SystemPointerPort {
  public:
    virtual ~SystemPointerPort() = default;
    // On: thresholds 6 and 10 with acceleration 1; off: 0, 0, 0.
    virtual bool setPointerPrecision(bool on) = 0;
    virtual bool setPointerSpeed(std::uint32_t speed) = 0;
    virtual bool setWheelScrollLines(std::uint32_t lines) = 0;
    // The one setting that is also written to the user profile.
    virtual bool setDoubleClickTime(std::uint32_t milliseconds) = 0;
};

inline constexpr std::uint32_t kScrollOneScreen = 0xFFFFFFFF;
inline constexpr std::uint8_t kFirstSliderStep = 1;
inline constexpr std::uint8_t kLastSliderStep = 11;

// Positions outside the slider (a damaged config.bin) are taken as its nearest step, so no
// out-of-range value ever reaches the system.
std::uint32_t pointerSpeedForPosition(std::uint8_t position);
std::uint32_t doubleClickTimeForPosition(std::uint8_t position);
std::uint32_t wheelScrollLinesFor(bool oneScreen, std::uint8_t position);

// Writes the four settings of the record; each refusal is reported under "Warning" and the
// rest still run.
void applyPointerSettings(const MouseConfig& config, SystemPointerPort& system,
                          MessageBoxPort& messages);

}  // namespace quorvel
