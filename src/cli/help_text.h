// The texts of --help and --version.
#pragma once

#include <string>

#include "cli/command.h"

namespace quorvel::cli {

std::string versionText();
std::string toolHelp();
std::string commandHelp(const Command& command);

}  // namespace quorvel::cli
