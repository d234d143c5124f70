// A basic page's worth of state for the dispatcher: record, sixteen labels, one open key list.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "config/mouse_config.h"
#include "config/settings_file.h"
#include "keys/button_functions.h"
#include "pages/button_dispatcher.h"
#include "pages/key_lists.h"
#include "support/fake_controls.h"
#include "unit/pages/fake_key_dialogs.h"

namespace quorvel::test {

inline std::vector<std::string> englishKeyListTexts() {
    std::vector<std::string> texts;
    for (const ButtonFunction& function : kButtonFunctions) {
        texts.emplace_back(function.listText);
    }
    return texts;
}

inline constexpr Rect kKeyListArea{300, 200, 420, 456};

class DispatcherTest : public ::testing::Test {
  protected:
    DispatcherTest() {
        applyDefaultAssignment(config);
        for (int i = 0; i < kButtonLabelCount; ++i)
            labels.texts()[static_cast<std::size_t>(i)] = "label " + std::to_string(i);
    }

    void openKeyList(int button, std::optional<int> selected,
                     std::vector<std::string> texts = englishKeyListTexts()) {
        controls.openList(keyListId(button), kKeyListArea, std::move(texts), selected);
    }

    std::string& label(Mode mode, int button) {
        // Stored order: Mode A buttons 0 to 7, then Mode B.
        const int index = (mode == Mode::B ? kButtonCount : 0) + button;
        return labels.texts()[static_cast<std::size_t>(index)];
    }

    // Opens the list of `button`, selects `position` and lets the dispatcher handle it.
    void choose(int button, Mode mode, std::optional<int> position) {
        openKeyList(button, position);
        assign(button, mode);
    }

    void assign(int button, Mode mode) {
        const Mode other = mode == Mode::A ? Mode::B : Mode::A;
        assignButtonFunction(context, keyListId(button), button, mode, label(mode, button),
                             label(other, button));
    }

    // Offsets of the record that differ from `before`.
    std::vector<std::size_t> changedOffsets(const MouseConfig& before) const {
        std::vector<std::size_t> changed;
        for (std::size_t i = 0; i < record::kSize; ++i) {
            if (config.bytes()[i] != before.bytes()[i])
                changed.push_back(i);
        }
        return changed;
    }

    std::uint8_t field(Mode mode, ButtonField f, int button) const {
        return config.buttonField(mode, f, button);
    }

    MouseConfig config;
    ButtonLabels labels;
    FakeControls controls;
    FakeKeyDialogs dialogs;
    KeyAssignmentContext context{config, controls, dialogs};
};

}  // namespace quorvel::test
