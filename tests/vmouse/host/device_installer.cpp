#include "device_installer.h"

#include <windows.h>

#include <newdev.h>
#include <setupapi.h>

#include <array>
#include <string_view>

#include "platform/win32/hid_system_win32.h"

namespace quorvel::vmouse {
namespace {

// The devices' instance IDs; the driver tells the collections apart by them, and the HID
// class driver puts them into the interface paths, as Windows does with a USB mouse's.
constexpr std::array<const wchar_t*, 3> kInstances = {
    L"ROOT\\VID_04D9&PID_A09F&MI_00\\0",
    L"ROOT\\VID_04D9&PID_A09F&MI_01&COL01\\0",
    L"ROOT\\VID_04D9&PID_A09F&MI_01&COL02\\0",
};
// Matched by the INF's one model; a multi-string.
constexpr wchar_t kHardwareId[] = L"QUORVEL\\VMOUSE\0";
// Registered without a class; the INF's class is set when the driver is installed.
constexpr GUID kNoClass{};

std::string failure(std::string_view call) {
    return std::string(call) + " failed, error " + std::to_string(GetLastError());
}

class DeviceSet {
  public:
    DeviceSet() : set_(SetupDiCreateDeviceInfoList(nullptr, nullptr)) {}
    ~DeviceSet() {
        // Nothing to do about a list that cannot be released.
        if (set_ != INVALID_HANDLE_VALUE)
            (void)SetupDiDestroyDeviceInfoList(set_);
    }
    DeviceSet(const DeviceSet&) = delete;
    DeviceSet& operator=(const DeviceSet&) = delete;
    HDEVINFO get() const { return set_; }

  private:
    HDEVINFO set_;
};

// Runs `step` on each device's entry in one fresh device list; the first failure ends it.
template <typename Step>
std::string forEachInstance(Step step) {
    DeviceSet set;
    if (set.get() == INVALID_HANDLE_VALUE)
        return failure("SetupDiCreateDeviceInfoList");
    for (const wchar_t* instance : kInstances) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        if (std::string error = step(set.get(), instance, device); !error.empty())
            return error;
    }
    return {};
}

}  // namespace

std::string plugDevices(const std::wstring& infPath) {
    const std::string registered =
        forEachInstance([](HDEVINFO set, const wchar_t* instance, SP_DEVINFO_DATA& device) {
            if (!SetupDiCreateDeviceInfoW(set, instance, &kNoClass, nullptr, nullptr, 0, &device))
                return failure("SetupDiCreateDeviceInfoW");
            if (!SetupDiSetDeviceRegistryPropertyW(set, &device, SPDRP_HARDWAREID,
                                                   reinterpret_cast<const BYTE*>(kHardwareId),
                                                   sizeof(kHardwareId)))
                return failure("SetupDiSetDeviceRegistryPropertyW");
            if (!SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set, &device))
                return failure("SetupDiCallClassInstaller(DIF_REGISTERDEVICE)");
            return std::string();
        });
    if (!registered.empty())
        return registered;
    // Installs the driver for every registered device with the hardware ID and starts them.
    BOOL reboot = FALSE;
    if (!UpdateDriverForPlugAndPlayDevicesW(nullptr, kHardwareId, infPath.c_str(),
                                            INSTALLFLAG_FORCE, &reboot))
        return failure("UpdateDriverForPlugAndPlayDevicesW");
    return {};
}

std::string unplugDevices() {
    return forEachInstance([](HDEVINFO set, const wchar_t* instance, SP_DEVINFO_DATA& device) {
        if (!SetupDiOpenDeviceInfoW(set, instance, nullptr, 0, &device))
            return GetLastError() == ERROR_NO_SUCH_DEVINST ? std::string()  // not plugged
                                                           : failure("SetupDiOpenDeviceInfoW");
        if (!SetupDiCallClassInstaller(DIF_REMOVE, set, &device))
            return failure("SetupDiCallClassInstaller(DIF_REMOVE)");
        return std::string();
    });
}

std::size_t presentInterfaces() {
    const HDEVINFO list = SetupDiGetClassDevsW(&win32::kHidInterfaceClass, nullptr, nullptr,
                                               DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (list == INVALID_HANDLE_VALUE)
        return 0;
    std::size_t found = 0;
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof(data);
    for (DWORD i = 0;
         SetupDiEnumDeviceInterfaces(list, nullptr, &win32::kHidInterfaceClass, i, &data); ++i) {
        alignas(SP_DEVICE_INTERFACE_DETAIL_DATA_W) std::array<std::byte, 1024> buffer{};
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(*detail);
        if (SetupDiGetDeviceInterfaceDetailW(list, &data, detail, buffer.size(), nullptr,
                                             nullptr) &&
            wcsstr(detail->DevicePath, L"vid_04d9&pid_a09f") != nullptr)
            ++found;
    }
    (void)SetupDiDestroyDeviceInfoList(list);  // nothing to do if it fails
    return found;
}

}  // namespace quorvel::vmouse
