// A popup menu as data: the model describes it, the shell shows it at the pointer and sends the
// chosen item's command to the window.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

struct PopupMenuItem {
    enum class Kind { Command, Submenu, Separator };
    Kind kind = Kind::Command;
    int command = 0;  // Command items only
    std::string text;
    bool checked = false;
    bool greyed = false;
    std::vector<PopupMenuItem> items;  // Submenu items only
};

using PopupMenu = std::vector<PopupMenuItem>;

}  // namespace quorvel
