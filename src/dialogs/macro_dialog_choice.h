// What the macro-key dialog lets the user choose: one macro of record.ini by its slot, and
// one of the three repeat modes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/key_dialogs.h"

namespace quorvel {

inline constexpr int kFirstRepeatMode = 1;
inline constexpr int kLastRepeatMode = 3;

// A click on a repeat box: the box that goes empty and the one that gets the tick (the same
// box when the ticked one is clicked again).
struct TickChange {
    int untick = kFirstRepeatMode;
    int tick = kFirstRepeatMode;
};

enum class MacroOkVerdict : std::uint8_t {
    Accept,
    ChooseFirst,  // macros exist, none was chosen
    NoMacros,     // record.ini holds none: there is nothing to choose yet
};

class MacroChoice {
  public:
    // The names of record.ini in file order, as the list shows them when it opens. Only the
    // slots the mouse holds are offered: a macro past them never reaches the mouse.
    void fill(std::vector<std::string> names);
    const std::vector<std::string>& listed() const { return listed_; }

    // Entry `position` of the list as last filled; false (nothing changes) when not listed.
    bool choose(int position);
    bool chosen() const { return slot_ >= 0; }
    const std::string& name() const { return name_; }

    int repeatMode() const { return repeatMode_; }
    // A mode outside 1 to 3 changes nothing.
    TickChange setRepeatMode(int mode);

    // `macrosInFile`: the sections record.ini holds when OK is pressed.
    MacroOkVerdict verdictOnOk(std::size_t macrosInFile) const;
    // Meaningful after an accepted OK.
    MacroDialogResult result() const;

  private:
    std::vector<std::string> listed_;
    int slot_ = -1;
    std::string name_;
    int repeatMode_ = kFirstRepeatMode;
};

}  // namespace quorvel
