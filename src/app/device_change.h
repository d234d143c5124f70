// Device arrival and removal broadcasts: which ones are about our mouse.
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvel {

enum class DeviceEvent : std::uint32_t {
    Arrival = 0x8000,
    RemoveComplete = 0x8004,
};

// The broadcast's device type for an interface notification.
inline constexpr std::uint32_t kDeviceInterfaceBroadcast = 5;

// The two spellings the system uses in interface names; case-sensitive on purpose.
inline constexpr std::string_view kMouseIdLower = "Vid_04d9&Pid_a09f";
inline constexpr std::string_view kMouseIdUpper = "VID_04D9&PID_A09F";

inline bool isOurInterfaceName(std::string_view name) {
    return name.find(kMouseIdLower) != std::string_view::npos ||
           name.find(kMouseIdUpper) != std::string_view::npos;
}

}  // namespace quorvel
