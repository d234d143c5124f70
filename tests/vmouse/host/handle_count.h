// How many handles a process holds, for the cases that look for leaks.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace quorvel::vmouse {

// The handles of the first process with this executable name, counted per kind of object
// ("File", "Event", "Key"...); nothing when there is no such process or the system's handle
// list cannot be had (what failed goes to `error`).
std::optional<std::map<std::string, unsigned>> handlesByType(const std::wstring& executable,
                                                             std::string& error);

}  // namespace quorvel::vmouse
