// The HID port over SetupDi and the HID class driver, both loaded from System32 at run time.
#pragma once

#include <windows.h>

#include <memory>

#include "device/hid_system.h"

namespace quorvel::win32 {

// The HID device interface class: walked by discovery, watched for arrivals and removals.
// {4D1E55B2-F16F-11CF-88CB-001111000030}
inline constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct HidLibraries;

class Win32HidSystem : public HidSystem {
  public:
    Win32HidSystem();
    ~Win32HidSystem() override;

    // False when hid.dll or setupapi.dll (or one of their exports) could not be had.
    bool available() const;

    std::unique_ptr<HidInterfaceList> listInterfaces() override;
    std::unique_ptr<HidDevice> open(std::string_view path, HidAccess access,
                                    HidIoMode mode) override;
    std::unique_ptr<WakeEvent> createEvent() override;

  private:
    std::shared_ptr<const HidLibraries> libraries_;
};

}  // namespace quorvel::win32
