// What the tray menu's items do: send a profile, save the base configuration as one, give a
// running program a profile, switch automatic switching, open the profiles folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/profile_switcher.h"
#include "app/shell_port.h"
#include "app/tray_menu.h"
#include "dialogs/skinned_dialog.h"

namespace quorvel {

// The tray menu as the main window sees it.
class TrayMenuPort {
  public:
    virtual ~TrayMenuPort() = default;
    // Builds the menu from what is true now and shows it.
    virtual void show(const LanguageTexts& texts) = 0;
    // The base configuration as config.bin and str.ini hold it, asked for only when saving.
    using BaseProfile = std::function<Profile()>;
    // Carries out a command of the menu last shown; false when it is not one of its commands
    // (Exit is the caller's).
    virtual bool perform(int command, const DialogLook& look, const BaseProfile& base) = 0;
};

class TrayMenuActions final : public TrayMenuPort {
  public:
    // `ownProgram`: this program's file name, never offered a profile.
    TrayMenuActions(ShellPort& shell, ProfileSwitcher& switcher, ProfileStore& store,
                    std::string ownProgram)
        : shell_(shell), switcher_(switcher), store_(store), ownProgram_(std::move(ownProgram)) {}

    void show(const LanguageTexts& texts) override;
    bool perform(int command, const DialogLook& look, const BaseProfile& base) override;

    const TrayMenu& menu() const { return menu_; }

  private:
    void saveProfile(const DialogLook& look, const BaseProfile& base);
    void assign(const std::string& program, const std::string& profile);
    void report(const std::string& error);

    ShellPort& shell_;
    ProfileSwitcher& switcher_;
    ProfileStore& store_;
    std::string ownProgram_;
    TrayMenu menu_;
};

// "C:\Games\game.exe" -> "game.exe".
std::string_view fileNameOfPath(std::string_view path);

}  // namespace quorvel
