#include "dialogs/capture_dialogs.h"

#include <optional>
#include <utility>

#include "dialogs/dialog_texts.h"
#include "keys/key_code_tables.h"
#include "keys/scan_code_names.h"
#include "ports/message_box.h"
#include "ui/skin_images.h"

namespace quorvel {
namespace {

constexpr unsigned kLeftWindowsKey = 91;
constexpr unsigned kRightWindowsKey = 92;

bool isEnterOrEscapeDown(unsigned virtualKey, KeyPhase phase) {
    return phase == KeyPhase::Down &&
           (virtualKey == kVirtualKeyEnter || virtualKey == kVirtualKeyEscape);
}

// The dialog stays open without a hook: nothing can be captured, OK returns what it has.
void installHook(WindowContext& context, std::string_view failureFormatStart) {
    const HookInstall hook = context.installKeyboardHook();
    if (hook.installed)
        return;
    std::string text(failureFormatStart);
    text += std::to_string(hook.errorCode);
    text += '\n';
    context.messages().show(text, kAppTitle);
}

// Empty for a key the key table has no usage for.
std::optional<NamedKey> capturedKey(const HookedKey& key) {
    if (key.scanCode > 0xFF)
        return std::nullopt;
    const std::string_view name =
        keyNameFromScanCode(static_cast<std::uint8_t>(key.scanCode), key.extended);
    if (name.empty())
        return std::nullopt;
    return NamedKey{keyCodeFromName(name), std::string(name)};
}

void showIn(WindowContext& context, int controlId, std::string_view text) {
    context.controls().setText(controlId, text);
    context.controls().redraw(controlId);
}

}  // namespace

std::string_view CSingleDialog::backgroundImage() const {
    return skin_image::kSingleKeyBackground;
}

void CSingleDialog::onInit(WindowContext& context) {
    context.controls().create(kKeyDisplayId, ControlKind::StaticText, kKeyDisplay);
    installHook(context, "KeyboardHook_SingleDlgKey Install error code :");
}

void CSingleDialog::paintContent(Canvas& canvas) {
    canvas.drawText(text(dialog_text::kSingleKeyPrompt), kPrompt, TextPlacement::Centre,
                    FontRole::Text, kWhite);
}

void CSingleDialog::onHookedKey(const HookedKey& key, WindowContext& context) {
    // A key the mouse cannot send keeps what was captured before.
    std::optional<NamedKey> captured = capturedKey(key);
    if (!captured)
        return;
    key_ = std::move(*captured);
    showIn(context, kKeyDisplayId, key_.name);
}

bool CSingleDialog::onKeyBeforeDialogManager(unsigned virtualKey, KeyPhase phase, WindowContext&) {
    return virtualKey == kLeftWindowsKey || virtualKey == kRightWindowsKey ||
           isEnterOrEscapeDown(virtualKey, phase);
}

std::string_view CComboDialog::backgroundImage() const {
    return skin_image::kComboKeyBackground;
}

void CComboDialog::onInit(WindowContext& context) {
    ControlsPort& controls = context.controls();
    controls.create(kModifierDisplayId, ControlKind::StaticText, kModifierDisplay, modifier_.name);
    controls.create(kFirstKeyBoxId, ControlKind::Edit, kFirstKeyBox);
    controls.create(kSecondKeyBoxId, ControlKind::Edit, kSecondKeyBox);
    installHook(context, "KeyboardHook_ComboDlg Install error code :");
}

void CComboDialog::onHookedKey(const HookedKey& key, WindowContext& context) {
    std::optional<NamedKey> captured = capturedKey(key);
    if (!captured)
        return;
    // The name goes to the box with the focus; with neither focused nothing changes. Showing
    // it on every press and release undoes whatever the edit inserted for the keystroke.
    const std::optional<int> focused = context.controls().focusedControl();
    if (focused == kFirstKeyBoxId) {
        firstKey_ = std::move(*captured);
        showIn(context, kFirstKeyBoxId, firstKey_.name);
    } else if (focused == kSecondKeyBoxId) {
        secondKey_ = std::move(*captured);
        showIn(context, kSecondKeyBoxId, secondKey_.name);
    }
}

bool CComboDialog::onKeyBeforeDialogManager(unsigned virtualKey, KeyPhase phase, WindowContext&) {
    return isEnterOrEscapeDown(virtualKey, phase);
}

std::vector<std::string> CComboDialog::dropDownEntries() const {
    std::vector<std::string> names;
    for (const NamedCode& modifier : kModifierTable)
        names.emplace_back(modifier.name);
    return names;
}

void CComboDialog::beforeDropDownOpens(WindowContext& context) {
    ControlsPort& controls = context.controls();
    controls.enable(kFirstKeyBoxId, false);
    controls.enable(kSecondKeyBoxId, false);
    controls.focusWindow();
}

void CComboDialog::afterDropDownCloses(WindowContext& context) {
    context.controls().enable(kFirstKeyBoxId, true);
    context.controls().enable(kSecondKeyBoxId, true);
}

void CComboDialog::onDropDownChosen(const ChosenEntry& entry, WindowContext& context) {
    // The list holds the modifier table in its order.
    const auto at = static_cast<std::size_t>(entry.position);
    modifier_ = {entry.position >= 0 && at < kModifierTable.size() ? kModifierTable[at].code
                                                                   : std::uint8_t{0},
                 entry.text};
    modifierPosition_ = entry.position;
    showIn(context, kModifierDisplayId, modifier_.name);
}

}  // namespace quorvel
