// Runs the sub-dialogs of the button functions modally and hands back their result members.
// Empty means the run did not end with OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

// CWindowsDialog and CMediaDialog: the chosen list position and the entry's text as shown.
struct ListDialogResult {
    int position = 0;
    std::string text;
};

struct FireKeyDialogResult {
    int targetPosition = 0;
    std::string targetName;
    std::uint8_t speed = 32;
    std::uint8_t times = 1;
};

struct SingleDialogResult {
    std::string keyName;
};

// Any of the names may be empty.
struct ComboDialogResult {
    std::string modifierName;
    std::string firstKeyName;
    std::string secondKeyName;
};

struct MacroDialogResult {
    int slot = 0;
    std::uint8_t repeatMode = 1;  // RepeatMode 1 to 3
    std::string macroName;
};

class KeyDialogPort {
  public:
    virtual ~KeyDialogPort() = default;

    virtual std::optional<ListDialogResult> runWindowsDialog() = 0;
    virtual std::optional<ListDialogResult> runMediaDialog() = 0;
    virtual std::optional<FireKeyDialogResult> runFireKeyDialog() = 0;
    virtual std::optional<SingleDialogResult> runSingleDialog() = 0;
    virtual std::optional<ComboDialogResult> runComboDialog() = 0;
    virtual std::optional<MacroDialogResult> runMacroDialog() = 0;
};

}  // namespace quorvel
