// The tray icon's menu: profiles to send, saving, the programs that choose a profile, automatic
// switching, the profiles folder and Exit. Built anew each time it opens, from what is true then.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/popup_menu.h"
#include "profile/profile_store.h"
#include "ui/language_texts.h"

namespace quorvel {

// The uninstaller ends a running copy by sending this command to its window.
inline constexpr int kExitCommand = 1028;
// The menu's own commands count up from here, clear of the window's control identifiers; a
// command travels in 16 bits.
inline constexpr int kFirstTrayCommand = 0x4000;
inline constexpr int kLastTrayCommand = 0xFFFF;
// The shell's own process shows the desktop and the taskbar: no game to give a profile to.
inline constexpr std::string_view kShellProgram = "explorer.exe";

struct TrayMenuState {
    std::vector<ProfileEntry> profiles;  // name order
    // The profile the mouse holds: "" the base configuration, nullopt nothing sent yet.
    std::optional<std::string> held;
    bool automatic = true;
    // File names of the programs with a visible window, as found.
    std::vector<std::string> programs;
    std::string ownProgram;  // this program's file name
};

struct TrayAction {
    enum class Kind {
        Exit,
        ChooseProfile,
        SaveProfile,
        AssignProgram,
        ToggleAutomatic,
        OpenFolder
    };
    Kind kind = Kind::Exit;
    std::string profile;  // "" is the base configuration, or no profile for a program
    std::string program;  // AssignProgram only
};

class TrayMenu {
  public:
    TrayMenu() = default;
    TrayMenu(const TrayMenuState& state, const LanguageTexts& texts);

    const PopupMenu& items() const { return items_; }
    // What the command of an item of this menu asks for; empty for any other command.
    std::optional<TrayAction> actionFor(int command) const;

  private:
    PopupMenuItem command(std::string text, TrayAction action, bool checked = false);
    PopupMenuItem profilesMenu(const TrayMenuState& state, const LanguageTexts& texts);
    PopupMenuItem programsMenu(const TrayMenuState& state, const LanguageTexts& texts);

    PopupMenu items_;
    std::vector<TrayAction> actions_;  // by command - kFirstTrayCommand
};

// The programs to list: each once whatever its case, in name order, without this program
// and the shell.
std::vector<std::string> programsForMenu(std::vector<std::string> found,
                                         std::string_view ownProgram);

}  // namespace quorvel
