#include "keys/button_functions.h"

#include <cstddef>

namespace quorvel {
namespace {

// Where one byte of an entry comes from.
struct ByteSource {
    enum class Kind : std::uint8_t { Constant, Field, FieldPlusOne, DpiSwitchParameter };
    Kind kind = Kind::Constant;
    std::uint8_t value = 0;
    ButtonField field = ButtonField::FunctionCode;
};

constexpr ByteSource k(std::uint8_t value) {
    return {ByteSource::Kind::Constant, value, {}};
}
constexpr ByteSource field(ButtonField f) {
    return {ByteSource::Kind::Field, 0, f};
}
constexpr ByteSource fieldPlusOne(ButtonField f) {
    return {ByteSource::Kind::FieldPlusOne, 0, f};
}
constexpr ByteSource dpiSwitch() {
    return {ByteSource::Kind::DpiSwitchParameter, 0, {}};
}

// Mouse codes of the buttons, as the firmware reads them in a key-code position.
constexpr std::uint8_t kLeftButton = 0xF0;
constexpr std::uint8_t kRightButton = 0xF1;
constexpr std::uint8_t kMiddleButton = 0xF2;
constexpr std::uint8_t kFourthButton = 0xF3;
constexpr std::uint8_t kFifthButton = 0xF4;

// Mouse-function numbers of entry type 0x08.
constexpr std::uint8_t kMatrixShift = 0x02;
constexpr std::uint8_t kLightingOnOff = 0x03;

// Triple-click is a rapid fire of the left button.
constexpr std::uint8_t kTripleClickSpeed = 32;
constexpr std::uint8_t kTripleClickTimes = 3;

using Layout = std::array<ByteSource, 4>;
using F = ButtonField;

constexpr std::array<Layout, kFunctionCount> kEntryLayouts = {{
    {k(entry_type::kMouseButton), k(0), k(kLeftButton), k(0)},    // Left Click
    {k(entry_type::kMouseButton), k(0), k(kRightButton), k(0)},   // Right Click
    {k(entry_type::kMouseButton), k(0), k(kMiddleButton), k(0)},  // Mid Click
    {k(entry_type::kMouseButton), k(0), k(kFifthButton), k(0)},   // Forward
    {k(entry_type::kMouseButton), k(0), k(kFourthButton), k(0)},  // Backward
    {k(entry_type::kRapidFire), k(kLeftButton), k(kTripleClickSpeed),
     k(kTripleClickTimes)},                                          // Triple-click
    {k(entry_type::kDpiSwitch), k(0), dpiSwitch(), k(0)},            // DPI Switch
    {k(entry_type::kMouseFunction), k(0), k(kLightingOnOff), k(0)},  // RGB On/Off
    {k(entry_type::kConsumer), k(0), field(F::WindowsUsageLow), field(F::WindowsUsageHigh)},
    {k(entry_type::kConsumer), k(0), field(F::MediaUsage), k(0)},  // Multimedia
    {k(entry_type::kRapidFire), field(F::FireKeyCode), field(F::FireSpeed),
     field(F::FireTimes)},                                            // Fire Key
    {k(entry_type::kKeyboard), k(0), field(F::SingleKeyCode), k(0)},  // Single Key
    {k(entry_type::kKeyboard), field(F::ComboModifiers), field(F::ComboFirstKey),
     field(F::ComboSecondKey)},                                                        // Combo Key
    {k(entry_type::kMacro), field(F::MacroRepeat), fieldPlusOne(F::MacroSlot), k(0)},  // Macro
    {k(entry_type::kMouseFunction), k(0), k(kMatrixShift), k(0)},                      // Shift
    {k(0), k(0), k(0), k(0)},                                                          // Key Off
}};

std::uint8_t byteFrom(const ByteSource& source, const MouseConfig& config, Mode mode, int button) {
    switch (source.kind) {
        case ByteSource::Kind::Constant:
            return source.value;
        case ByteSource::Kind::Field:
            return config.buttonField(mode, source.field, button);
        case ByteSource::Kind::FieldPlusOne:
            // The slot is copied as stored; the device counts slots from 1.
            return static_cast<std::uint8_t>(config.buttonField(mode, source.field, button) + 1);
        case ByteSource::Kind::DpiSwitchParameter:
            return config.dpiSwitchParameter(mode, button);
    }
    return 0;
}

}  // namespace

std::optional<ButtonFunction> buttonFunction(std::uint8_t code) {
    if (code >= kButtonFunctions.size())
        return std::nullopt;
    return kButtonFunctions[code];
}

KeyEntry keyEntryFor(const MouseConfig& config, Mode mode, int button) {
    KeyEntry entry;
    if (button < 0 || button >= kButtonCount)
        return entry;
    const std::uint8_t code = config.functionCode(mode, button);
    if (code >= kEntryLayouts.size())
        return entry;
    const Layout& layout = kEntryLayouts[code];
    for (std::size_t i = 0; i < entry.bytes.size(); ++i) {
        entry.bytes[i] = byteFrom(layout[i], config, mode, button);
    }
    return entry;
}

}  // namespace quorvel
