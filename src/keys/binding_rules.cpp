#include "keys/binding_rules.h"

#include "keys/button_functions.h"

namespace quorvel {
namespace {

int countHolding(const MouseConfig& config, Mode mode, FunctionCode code) {
    int count = 0;
    for (int button = 0; button < kButtonCount; ++button) {
        if (config.functionCode(mode, button) == codeByte(code))
            ++count;
    }
    return count;
}

}  // namespace

bool keyBoxMayOpen(const MouseConfig& config, Mode mode, int button) {
    if (button < 0 || button >= kButtonCount)
        return false;
    if (config.functionCode(mode, button) != codeByte(FunctionCode::LeftClick))
        return true;
    return countHolding(config, mode, FunctionCode::LeftClick) > 1;
}

std::optional<int> shiftButton(const MouseConfig& config, Mode mode) {
    for (int button = 0; button < kButtonCount; ++button) {
        if (config.functionCode(mode, button) == codeByte(FunctionCode::Shift))
            return button;
    }
    return std::nullopt;
}

bool shiftMayBeAssigned(const MouseConfig& config, Mode mode, int button) {
    if (button < 0 || button >= kButtonCount)
        return false;
    if (shiftButton(config, mode))
        return false;
    const Mode other = otherMode(mode);
    for (int b = 0; b < kButtonCount; ++b) {
        if (b != button && config.functionCode(other, b) == codeByte(FunctionCode::Shift)) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvel
