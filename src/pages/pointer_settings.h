// The Windows pointer settings kept in the record: read from the system when the advanced
// page first shows, written back on Apply, and reset to the system defaults by "Default".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "config/mouse_config.h"
#include "config/pointer_positions.h"
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

    // Empty when the system refused to tell.
    virtual std::optional<bool> pointerPrecision() = 0;  // on when the acceleration is not 0
    virtual std::optional<std::uint32_t> pointerSpeed() = 0;
    virtual std::optional<std::uint32_t> wheelScrollLines() = 0;
    // 0 when the system refused to tell.
    virtual std::uint32_t doubleClickTime() = 0;
};

// The system's values into the record. A value the system refused to give leaves its byte as
// config.bin had it; the refusal is reported under "Warning".
void readPointerSettings(MouseConfig& config, SystemPointerPort& system, MessageBoxPort& messages);

// "Default": the system's own defaults written at once, and the positions that stand for them.
void restorePointerDefaults(MouseConfig& config, SystemPointerPort& system,
                            MessageBoxPort& messages);

// Writes the four settings of the record; each refusal is reported under "Warning" and the
// rest still run.
void applyPointerSettings(const MouseConfig& config, SystemPointerPort& system,
                          MessageBoxPort& messages);

}  // namespace quorvel
