// The rules that bind the function catalogue: every mode keeps a left click, and the mode-shift
// key stands once per mode, on the same button in both modes.
#pragma once

#include <optional>

#include "config/mouse_config.h"

namespace quorvel {

// False for the only button of `mode` that holds "Left Click": its key box must not open,
// so the mode cannot lose its last left click.
bool keyBoxMayOpen(const MouseConfig& config, Mode mode, int button);

// The first button of `mode` that holds "Shift".
std::optional<int> shiftButton(const MouseConfig& config, Mode mode);

// Whether "Shift" may be given to `button` of `mode` (it is then set in both modes): not when
// `mode` already has a Shift, nor when the other mode has one on a different button, which
// would leave that mode with two.
bool shiftMayBeAssigned(const MouseConfig& config, Mode mode, int button);

constexpr Mode otherMode(Mode mode) {
    return mode == Mode::A ? Mode::B : Mode::A;
}

}  // namespace quorvel
