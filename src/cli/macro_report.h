// record.ini for apply: the macros converted into the record's macro table as the program's
// editor does it, with every item that does not reach the mouse as meant named in a warning.
#pragma once

#include <string>
#include <vector>

#include "cli/command.h"
#include "config/mouse_config.h"

namespace quorvel::cli {

// "macro "Copy", Item2: ..." for each item of `items` that is neither a known event nor a
// delay, and for the items ItemCount claims that the section lacks (empty texts).
std::vector<std::string> macroItemFindings(const std::string& name,
                                           const std::vector<std::string>& items);

// False (with the failure said) when the file cannot be read.
bool convertMacros(const Context& context, const std::string& path, MouseConfig& config);

}  // namespace quorvel::cli
