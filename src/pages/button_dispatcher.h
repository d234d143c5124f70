// Turns a choice in a button's key list into the button's function code, parameters and label.
#pragma once

#include <string>

#include "config/mouse_config.h"
#include "dialogs/key_dialogs.h"
#include "ui/controls_port.h"

namespace quorvel {

struct KeyAssignmentContext {
    MouseConfig& config;
    ControlsPort& controls;
    KeyDialogPort& dialogs;
};

// Called for a selection change or double click in the key list `keyListId` of `button` while
// `mode` is edited. Reads the list's selection; with none, or with "DPI Switch" (chosen in the
// DPI sub-list instead), nothing changes and the list stays open. Otherwise the list is
// destroyed at the end, also when a sub-dialog was cancelled (which changes nothing).
void assignButtonFunction(const KeyAssignmentContext& context, int keyListId, int button, Mode mode,
                          std::string& label, std::string& otherModeLabel);

}  // namespace quorvel
