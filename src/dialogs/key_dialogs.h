// The sub-dialogs a button's key list opens, run modally over the main window. Each run makes
// its dialog fresh, in the language and text colour the program has at that moment, and hands
// back what the user chose; empty means the run did not end with OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "macro/macro_library.h"
#include "ui/modal_runner.h"
#include "ui/shared_ui_state.h"

namespace quorvel {

// A key as the mouse receives it and as the user saw it; code 0 when nothing was chosen.
struct NamedKey {
    std::uint8_t code = 0;
    std::string name;
    friend bool operator==(const NamedKey&, const NamedKey&) = default;
};

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
    NamedKey key;
};

struct ComboDialogResult {
    NamedKey modifier;
    NamedKey firstKey;
    NamedKey secondKey;
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

class ModalKeyDialogs final : public KeyDialogPort {
  public:
    // The macro-key dialog lists `macros` as record.ini holds them when it opens.
    ModalKeyDialogs(ModalRunner& runner, const SharedUiState& shared, const MacroLibrary& macros)
        : runner_(runner), shared_(shared), macros_(macros) {}

    std::optional<ListDialogResult> runWindowsDialog() override;
    std::optional<ListDialogResult> runMediaDialog() override;
    std::optional<FireKeyDialogResult> runFireKeyDialog() override;
    std::optional<SingleDialogResult> runSingleDialog() override;
    std::optional<ComboDialogResult> runComboDialog() override;
    std::optional<MacroDialogResult> runMacroDialog() override;

  private:
    ModalRunner& runner_;
    const SharedUiState& shared_;
    const MacroLibrary& macros_;
};

}  // namespace quorvel
