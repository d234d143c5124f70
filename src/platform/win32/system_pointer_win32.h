// The Windows pointer settings through SystemParametersInfoW.
#pragma once

#include "app/main_window_ports.h"
#include "pages/pointer_settings.h"

namespace quorvel::win32 {

class Win32SystemPointer : public SystemPointerPort {
  public:
    bool setPointerPrecision(bool on) override;
    bool setPointerSpeed(std::uint32_t speed) override;
    bool setWheelScrollLines(std::uint32_t lines) override;
    bool setDoubleClickTime(std::uint32_t milliseconds) override;
    std::optional<bool> pointerPrecision() override;
    std::optional<std::uint32_t> pointerSpeed() override;
    std::optional<std::uint32_t> wheelScrollLines() override;
    std::uint32_t doubleClickTime() override;
};

// Apply's last step: the record's settings to the system, refusals in message boxes.
class SystemPointerSettings : public PointerSettingsPort {
  public:
    SystemPointerSettings(SystemPointerPort& system, MessageBoxPort& messages)
        : system_(system), messages_(messages) {}
    void apply(const MouseConfig& config) override {
        applyPointerSettings(config, system_, messages_);
    }

  private:
    SystemPointerPort& system_;
    MessageBoxPort& messages_;
};

}  // namespace quorvel::win32
