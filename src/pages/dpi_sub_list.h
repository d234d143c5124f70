// The sub-list through which "DPI Switch" is chosen: it opens beside entry 6 of a key list
// while the pointer rests there.
#pragma once

#include <optional>

#include "config/mouse_config.h"
#include "config/settings_file.h"
#include "pages/key_lists.h"
#include "ui/controls_port.h"
#include "ui/geometry.h"

namespace quorvel {

// For every pointer move over the open key list `keyListId`, with `listArea` its rectangle in
// the main window's client coordinates and `entry` the entry under the pointer.
void dpiSubListHover(ControlsPort& controls, int keyListId, Rect listArea, int entry);

// For a selection change in the sub-list. Gives the button whose function changed (the first
// with an open key list) so that its key box is redrawn; empty when nothing changed.
std::optional<int> dpiSubListChoose(MouseConfig& config, ControlsPort& controls,
                                    ButtonLabels& labels);

}  // namespace quorvel
