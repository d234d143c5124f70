// The sixteen functions a button can take, and the four-byte entry each becomes on the mouse.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "config/mouse_config.h"

namespace quorvel {

// The function code is also the function's position in every key list.
enum class FunctionCode : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    MidClick = 2,
    Forward = 3,
    Backward = 4,
    TripleClick = 5,
    DpiSwitch = 6,
    RgbOnOff = 7,
    Windows = 8,
    Multimedia = 9,
    FireKey = 10,
    SingleKey = 11,
    ComboKey = 12,
    MacroKey = 13,
    Shift = 14,
    KeyOff = 15,
};
inline constexpr int kFunctionCount = 16;

constexpr std::uint8_t codeByte(FunctionCode code) {
    return static_cast<std::uint8_t>(code);
}

// How a function is chosen from a key list.
enum class ChosenThrough : std::uint8_t {
    List,
    DpiSubList,
    WindowsDialog,
    MediaDialog,
    FireKeyDialog,
    SingleDialog,
    ComboDialog,
    MacroDialog,
};

inline constexpr int kMaxParameterFields = 4;

struct ButtonFunction {
    FunctionCode code;
    std::string_view listText;  // English list text; the language-table key
    ChosenThrough chosenThrough;
    std::array<ButtonField, kMaxParameterFields> parameterFields;
    int parameterFieldCount;
    bool usesDpiSwitchParameter;

    std::span<const ButtonField> parameters() const {
        return std::span<const ButtonField>(parameterFields.data(),
                                            static_cast<std::size_t>(parameterFieldCount));
    }
};

namespace detail {
using F = ButtonField;
inline constexpr std::array<ButtonField, kMaxParameterFields> kNoFields = {};
}  // namespace detail

inline constexpr std::array<ButtonFunction, kFunctionCount> kButtonFunctions = {{
    {FunctionCode::LeftClick, "Left Click", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::RightClick, "Right Click", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::MidClick, "Mid Click", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::Forward, "Forward", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::Backward, "Backward", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::TripleClick, "Triple-click", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::DpiSwitch, "DPI Switch", ChosenThrough::DpiSubList, detail::kNoFields, 0, true},
    {FunctionCode::RgbOnOff, "RGB On/Off", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::Windows,
     "Windows",
     ChosenThrough::WindowsDialog,
     {detail::F::WindowsPosition, detail::F::WindowsUsageLow, detail::F::WindowsUsageHigh},
     3,
     false},
    {FunctionCode::Multimedia,
     "Multimedia",
     ChosenThrough::MediaDialog,
     {detail::F::MediaPosition, detail::F::MediaUsage},
     2,
     false},
    {FunctionCode::FireKey,
     "Fire Key",
     ChosenThrough::FireKeyDialog,
     {detail::F::FirePosition, detail::F::FireKeyCode, detail::F::FireSpeed, detail::F::FireTimes},
     4,
     false},
    {FunctionCode::SingleKey,
     "Single Key",
     ChosenThrough::SingleDialog,
     {detail::F::SingleKeyCode},
     1,
     false},
    {FunctionCode::ComboKey,
     "Combo Key",
     ChosenThrough::ComboDialog,
     {detail::F::ComboModifiers, detail::F::ComboFirstKey, detail::F::ComboSecondKey},
     3,
     false},
    {FunctionCode::MacroKey,
     "Macro Key",
     ChosenThrough::MacroDialog,
     {detail::F::MacroSlot, detail::F::MacroRepeat},
     2,
     false},
    {FunctionCode::Shift, "Shift", ChosenThrough::List, detail::kNoFields, 0, false},
    {FunctionCode::KeyOff, "Key Off", ChosenThrough::List, detail::kNoFields, 0, false},
}};

// Not offered in the key lists and without a code; kept beside its family for the texts.
inline constexpr std::string_view kReportRateSwitchText = "Report Rate Switch";

// Empty for a code outside the catalogue.
std::optional<ButtonFunction> buttonFunction(std::uint8_t code);

// The device form of one button's function: b0 is the entry type; the mouse reads the four
// bytes as one little-endian word.
struct KeyEntry {
    std::array<std::uint8_t, 4> bytes{};

    std::uint32_t word() const {
        return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
               static_cast<std::uint32_t>(bytes[2]) << 16 |
               static_cast<std::uint32_t>(bytes[3]) << 24;
    }
    friend bool operator==(const KeyEntry&, const KeyEntry&) = default;
};

namespace entry_type {
inline constexpr std::uint8_t kKeyboard = 0x00;
inline constexpr std::uint8_t kMouseButton = 0x01;
inline constexpr std::uint8_t kConsumer = 0x03;
inline constexpr std::uint8_t kDpiSwitch = 0x07;
inline constexpr std::uint8_t kMouseFunction = 0x08;
inline constexpr std::uint8_t kMacro = 0x09;
inline constexpr std::uint8_t kRapidFire = 0x0A;
}  // namespace entry_type

// The entry of `button` (0 to 7) in `mode`, from its function code and that function's
// fields only. A code above 15 or a button outside 0 to 7 gives four zero bytes.
KeyEntry keyEntryFor(const MouseConfig& config, Mode mode, int button);

}  // namespace quorvel
