// Sub-dialogs that return prepared results (empty: cancelled) and count their runs.
#pragma once

#include <optional>

#include "dialogs/key_dialogs.h"

namespace quorvel::test {

class FakeKeyDialogs : public KeyDialogPort {
  public:
    std::optional<ListDialogResult> runWindowsDialog() override {
        ++runs;
        return windows;
    }
    std::optional<ListDialogResult> runMediaDialog() override {
        ++runs;
        return media;
    }
    std::optional<FireKeyDialogResult> runFireKeyDialog() override {
        ++runs;
        return fireKey;
    }
    std::optional<SingleDialogResult> runSingleDialog() override {
        ++runs;
        return single;
    }
    std::optional<ComboDialogResult> runComboDialog() override {
        ++runs;
        return combo;
    }
    std::optional<MacroDialogResult> runMacroDialog() override {
        ++runs;
        return macro;
    }

    std::optional<ListDialogResult> windows;
    std::optional<ListDialogResult> media;
    std::optional<FireKeyDialogResult> fireKey;
    std::optional<SingleDialogResult> single;
    std::optional<ComboDialogResult> combo;
    std::optional<MacroDialogResult> macro;
    int runs = 0;
};

}  // namespace quorvel::test
