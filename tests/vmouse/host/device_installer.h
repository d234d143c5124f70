// Plugs and unplugs the virtual mouse: one root-enumerated device per collection, installed
// from the INF beside the host, and removed again, as Windows' device installer does it.
#pragma once

#include <cstddef>
#include <string>

namespace quorvel::vmouse {

// Each returns "" when done, else what failed: the call and the error the system gave.
std::string plugDevices(const std::wstring& infPath);
std::string unplugDevices();
// How many of the mouse's HID interfaces the system lists as present now.
std::size_t presentInterfaces();

}  // namespace quorvel::vmouse
