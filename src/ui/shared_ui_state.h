// The state every skinned window reads: one instance for the whole run, owned by the program's
// entry and handed to the main window, its pages and the sub-dialogs.
#pragma once

#include <cstdint>
#include <string>

#include "config/mouse_config.h"

namespace quorvel {

// Which page the main window shows; None until the first page is drawn.
enum class PageState : std::uint8_t { None = 0, Basic = 1, Advanced = 2 };

struct SharedUiState {
    ConfigRecords records;
    int sensorType = 0;
    Colour textColour{0, 255, 0};
    std::string skinDirectory;
    std::string skinName;
    std::string languageCode;
};

}  // namespace quorvel
