#include "config/mouse_config.h"

namespace quorvel {
namespace {

bool validButton(int button) {
    return button >= 0 && button < kButtonCount;
}
bool validStage(int stage) {
    return stage >= 1 && stage <= kStageCount;
}
bool validSlot(int slot) {
    return slot >= 0 && slot < kMacroSlotCount;
}

std::size_t keyBlockStart(Mode mode) {
    return mode == Mode::B ? record::kKeyBlockModeB : record::kKeyBlockModeA;
}

std::size_t dpiSwitchStart(Mode mode) {
    return mode == Mode::B ? record::kDpiSwitchModeB : record::kDpiSwitchModeA;
}

std::size_t buttonFieldOffset(ButtonField field) {
    return kButtonFieldOffsets[static_cast<std::size_t>(field) % kButtonFieldOffsets.size()];
}

}  // namespace

std::uint8_t MouseConfig::buttonField(Mode mode, ButtonField field, int button) const {
    if (!validButton(button))
        return 0;
    return bytes_[keyBlockStart(mode) + buttonFieldOffset(field) +
                  static_cast<std::size_t>(button)];
}

void MouseConfig::setButtonField(Mode mode, ButtonField field, int button, std::uint8_t value) {
    if (!validButton(button))
        return;
    bytes_[keyBlockStart(mode) + buttonFieldOffset(field) + static_cast<std::size_t>(button)] =
        value;
}

std::span<std::uint8_t, kKeyBlockSize> MouseConfig::keyBlock(Mode mode) {
    return std::span<std::uint8_t, kKeyBlockSize>(bytes_.data() + keyBlockStart(mode),
                                                  kKeyBlockSize);
}

std::span<const std::uint8_t, kKeyBlockSize> MouseConfig::keyBlock(Mode mode) const {
    return std::span<const std::uint8_t, kKeyBlockSize>(bytes_.data() + keyBlockStart(mode),
                                                        kKeyBlockSize);
}

std::uint8_t MouseConfig::dpiSwitchParameter(Mode mode, int button) const {
    if (!validButton(button))
        return 0;
    return bytes_[dpiSwitchStart(mode) + static_cast<std::size_t>(button)];
}

void MouseConfig::setDpiSwitchParameter(Mode mode, int button, std::uint8_t value) {
    if (!validButton(button))
        return;
    bytes_[dpiSwitchStart(mode) + static_cast<std::size_t>(button)] = value;
}

std::uint8_t MouseConfig::dpiValueIndex(int stage) const {
    if (!validStage(stage))
        return 0;
    return bytes_[record::kDpiValueIndex + static_cast<std::size_t>(stage - 1)];
}

void MouseConfig::setDpiValueIndex(int stage, std::uint8_t index) {
    if (!validStage(stage))
        return;
    bytes_[record::kDpiValueIndex + static_cast<std::size_t>(stage - 1)] = index;
}

bool MouseConfig::stageEnabled(int stage) const {
    if (!validStage(stage))
        return false;
    return bytes_[record::kStageEnabled + static_cast<std::size_t>(stage - 1)] != 0;
}

void MouseConfig::setStageEnabled(int stage, bool enabled) {
    if (!validStage(stage))
        return;
    bytes_[record::kStageEnabled + static_cast<std::size_t>(stage - 1)] = enabled ? 1 : 0;
}

Colour MouseConfig::stageColour(int stage) const {
    if (!validStage(stage))
        return {};
    const std::size_t at = record::kStageColours + 3 * static_cast<std::size_t>(stage - 1);
    return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
}

void MouseConfig::setStageColour(int stage, Colour colour) {
    if (!validStage(stage))
        return;
    const std::size_t at = record::kStageColours + 3 * static_cast<std::size_t>(stage - 1);
    bytes_[at] = colour.red;
    bytes_[at + 1] = colour.green;
    bytes_[at + 2] = colour.blue;
}

std::span<std::uint8_t> MouseConfig::macroBlock(int slot) {
    if (!validSlot(slot))
        return {};
    return macroTable().subspan(kMacroBlockSize * static_cast<std::size_t>(slot), kMacroBlockSize);
}

std::span<const std::uint8_t> MouseConfig::macroBlock(int slot) const {
    if (!validSlot(slot))
        return {};
    return macroTable().subspan(kMacroBlockSize * static_cast<std::size_t>(slot), kMacroBlockSize);
}

std::uint8_t MouseConfig::pointerSetting(std::size_t field) const {
    if (field >= kPointerSettingsSize)
        return 0;
    return bytes_[record::kPointerSettings + field];
}

void MouseConfig::setPointerSetting(std::size_t field, std::uint8_t value) {
    if (field >= kPointerSettingsSize)
        return;
    bytes_[record::kPointerSettings + field] = value;
}

void applyDefaultAssignment(MouseConfig& config) {
    for (Mode mode : {Mode::A, Mode::B}) {
        for (int button = 0; button < kButtonCount; ++button) {
            config.setFunctionCode(mode, button,
                                   kDefaultFunctionCodes[static_cast<std::size_t>(button)]);
        }
        config.setDpiSwitchParameter(mode, kDefaultDpiSwitchButton, kDefaultDpiSwitchParameter);
    }
}

}  // namespace quorvel
