#include "pages/button_dispatcher.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "keys/binding_rules.h"
#include "keys/button_functions.h"
#include "keys/key_code_tables.h"

namespace quorvel {
namespace {

constexpr std::string_view kLabelSeparator = "-";
constexpr std::string_view kComboJoiner = "+";
constexpr int kLowestRepeatMode = 1;
constexpr int kHighestRepeatMode = 3;

struct FieldValue {
    ButtonField field;
    std::uint8_t value;
};

// What an accepted choice writes besides the code.
struct Choice {
    std::string label;
    std::vector<FieldValue> fields;
};

// Record fields are bytes; list positions and slots keep their low byte, as the mouse reads it.
std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::string prefixed(std::string_view listText, std::string_view name) {
    std::string label(listText);
    label += kLabelSeparator;
    label += name;
    return label;
}

std::optional<Choice> windowsChoice(KeyDialogPort& dialogs) {
    const auto result = dialogs.runWindowsDialog();
    if (!result)
        return std::nullopt;
    const UsageBytes usage = windowsUsageFromPosition(result->position);
    return Choice{result->text,
                  {{ButtonField::WindowsPosition, lowByte(result->position)},
                   {ButtonField::WindowsUsageLow, usage.low},
                   {ButtonField::WindowsUsageHigh, usage.high}}};
}

std::optional<Choice> mediaChoice(KeyDialogPort& dialogs, std::string_view listText) {
    const auto result = dialogs.runMediaDialog();
    if (!result)
        return std::nullopt;
    return Choice{prefixed(listText, result->text),
                  {{ButtonField::MediaPosition, lowByte(result->position)},
                   {ButtonField::MediaUsage, mediaUsageFromPosition(result->position)}}};
}

std::optional<Choice> fireKeyChoice(KeyDialogPort& dialogs, std::string_view listText) {
    const auto result = dialogs.runFireKeyDialog();
    if (!result)
        return std::nullopt;
    return Choice{prefixed(listText, result->targetName),
                  {{ButtonField::FirePosition, lowByte(result->targetPosition)},
                   {ButtonField::FireKeyCode, fireKeyCodeFromPosition(result->targetPosition)},
                   {ButtonField::FireSpeed, result->speed},
                   {ButtonField::FireTimes, result->times}}};
}

std::optional<Choice> singleKeyChoice(KeyDialogPort& dialogs, std::string_view listText) {
    const auto result = dialogs.runSingleDialog();
    if (!result)
        return std::nullopt;
    return Choice{prefixed(listText, result->key.name),
                  {{ButtonField::SingleKeyCode, result->key.code}}};
}

std::optional<Choice> comboKeyChoice(KeyDialogPort& dialogs, std::string_view listText) {
    const auto result = dialogs.runComboDialog();
    if (!result)
        return std::nullopt;

    // Only the parts that reach the mouse are named.
    std::string combination;
    for (const NamedKey* part : {&result->modifier, &result->firstKey, &result->secondKey}) {
        if (part->code == 0)
            continue;
        if (!combination.empty())
            combination += kComboJoiner;
        combination += part->name;
    }
    return Choice{prefixed(listText, combination),
                  {{ButtonField::ComboModifiers, result->modifier.code},
                   {ButtonField::ComboFirstKey, result->firstKey.code},
                   {ButtonField::ComboSecondKey, result->secondKey.code}}};
}

std::optional<Choice> macroKeyChoice(KeyDialogPort& dialogs, std::string_view listText) {
    const auto result = dialogs.runMacroDialog();
    if (!result)
        return std::nullopt;
    // A repeat mode or slot the mouse cannot hold would be sent as a broken entry; such a
    // result (a dialog that never initialised) is treated like a cancel.
    if (result->repeatMode < kLowestRepeatMode || result->repeatMode > kHighestRepeatMode) {
        return std::nullopt;
    }
    if (result->slot < 0 || result->slot >= kMacroSlotCount)
        return std::nullopt;
    return Choice{prefixed(listText, result->macroName),
                  {{ButtonField::MacroSlot, lowByte(result->slot)},
                   {ButtonField::MacroRepeat,
                    static_cast<std::uint8_t>(result->repeatMode - kLowestRepeatMode)}}};
}

std::optional<Choice> choiceFor(const ButtonFunction& function, KeyDialogPort& dialogs,
                                std::string_view listText) {
    switch (function.chosenThrough) {
        case ChosenThrough::WindowsDialog:
            return windowsChoice(dialogs);
        case ChosenThrough::MediaDialog:
            return mediaChoice(dialogs, listText);
        case ChosenThrough::FireKeyDialog:
            return fireKeyChoice(dialogs, listText);
        case ChosenThrough::SingleDialog:
            return singleKeyChoice(dialogs, listText);
        case ChosenThrough::ComboDialog:
            return comboKeyChoice(dialogs, listText);
        case ChosenThrough::MacroDialog:
            return macroKeyChoice(dialogs, listText);
        case ChosenThrough::List:
        case ChosenThrough::DpiSubList:
            break;
    }
    return Choice{std::string(listText), {}};
}

void assignShift(MouseConfig& config, int button, Mode mode, std::string_view listText,
                 std::string& label, std::string& otherModeLabel) {
    if (!shiftMayBeAssigned(config, mode, button))
        return;  // refused silently
    config.setFunctionCode(Mode::A, button, codeByte(FunctionCode::Shift));
    config.setFunctionCode(Mode::B, button, codeByte(FunctionCode::Shift));
    label = listText;
    otherModeLabel = listText;
}

}  // namespace

void assignButtonFunction(const KeyAssignmentContext& context, int keyListId, int button, Mode mode,
                          std::string& label, std::string& otherModeLabel) {
    ControlsPort& controls = context.controls;
    const std::optional<int> selection = controls.selection(keyListId);
    if (!selection || *selection == codeByte(FunctionCode::DpiSwitch))
        return;

    if (*selection < 0 || *selection >= kFunctionCount || button < 0 || button >= kButtonCount) {
        controls.destroy(keyListId);
        return;
    }
    const ButtonFunction& function = kButtonFunctions[static_cast<std::size_t>(*selection)];
    // The list holds the texts of the UI language; the catalogue's text stands in if the
    // entry cannot be read.
    const std::string listText =
        controls.itemText(keyListId, *selection).value_or(std::string(function.listText));

    MouseConfig& config = context.config;
    if (function.code == FunctionCode::Shift) {
        assignShift(config, button, mode, listText, label, otherModeLabel);
        controls.destroy(keyListId);
        return;
    }

    const std::optional<Choice> choice = choiceFor(function, context.dialogs, listText);
    if (!choice) {
        controls.destroy(keyListId);
        return;
    }

    // A button that held Shift holds it in both modes; it leaves both together, and the other
    // mode gets the same parameters too, so that its label tells what its entry does.
    const bool heldShift = config.functionCode(mode, button) == codeByte(FunctionCode::Shift);
    for (const FieldValue& write : choice->fields) {
        config.setButtonField(mode, write.field, button, write.value);
        if (heldShift)
            config.setButtonField(otherMode(mode), write.field, button, write.value);
    }
    label = choice->label;
    config.setFunctionCode(mode, button, codeByte(function.code));
    if (heldShift) {
        config.setFunctionCode(otherMode(mode), button, codeByte(function.code));
        otherModeLabel = label;
    }
    controls.destroy(keyListId);
}

}  // namespace quorvel
