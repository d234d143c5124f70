// The data files installed beside the program: the default config.bin and str.ini.
// tools/make_default_config writes them; a test checks the committed copies against these.
#pragma once

#include <cstdint>
#include <vector>

#include "config/mouse_config.h"

namespace quorvel {

MouseConfig defaultInstallRecord();
std::vector<std::uint8_t> defaultConfigFileBytes();    // first-run flag 0
std::vector<std::uint8_t> defaultSettingsFileBytes();  // UTF-16LE with BOM

}  // namespace quorvel
