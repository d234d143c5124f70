// Plugs and unplugs the virtual mouse: one root-enumerated device per collection, installed
// from the INF beside the host, and removed again, as Windows' device installer does it.
#pragma once

#include <string>

namespace quorvel::vmouse {

// Each returns "" when done, else what failed: the call and the error the system gave.
std::string plugDevices(const std::wstring& infPath);
std::string unplugDevices();

}  // namespace quorvel::vmouse
