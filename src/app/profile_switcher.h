// Profiles sent to the mouse: chosen from the tray, or by the program in front. Runs on the
// user-interface thread; the system's side only reports which program is in front.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/mouse_config.h"
#include "ports/files.h"
#include "profile/profile_store.h"

namespace quorvel {

inline constexpr std::string_view kSwitchingFileName = "switching.ini";
inline constexpr std::string_view kSwitchingSection = "Switching";
inline constexpr std::string_view kAutomaticKey = "Automatic";

// The mouse as the switcher reaches it: the same "what this run last sent" as the window's
// Apply, so a switch after Apply sends only what differs from the base configuration.
class SwitchDevicePort {
  public:
    virtual ~SwitchDevicePort() = default;
    virtual bool connected() const = 0;
    // Sends only what differs from what this run last sent; everything the first time.
    virtual void switchTo(const MouseConfig& config) = 0;
    // Counts every send of this run, the window's Apply included.
    virtual std::uint64_t sendCount() const = 0;
    // The mouse was plugged in again: what it holds is unknown, so the next send is whole.
    virtual void forgetSent() = 0;
    // The configuration the window edits as config.bin holds it.
    virtual MouseConfig baseConfiguration() const = 0;
};

// The system's report of the program in front. While watching, the host calls
// ProfileSwitcher::onForegroundProgram on the user-interface thread when the front changes.
class ForegroundWatchPort {
  public:
    virtual ~ForegroundWatchPort() = default;
    virtual void startWatching() = 0;
    virtual void stopWatching() = 0;
    // The exe file name of the program in front; empty when unknown or this program.
    virtual std::string foregroundProgram() = 0;
};

class ProfileSwitcher {
  public:
    ProfileSwitcher(ProfileStore& store, FilesPort& files, SwitchDevicePort& device,
                    ForegroundWatchPort& watch);
    ~ProfileSwitcher();
    ProfileSwitcher(const ProfileSwitcher&) = delete;
    ProfileSwitcher& operator=(const ProfileSwitcher&) = delete;

    // The profile the mouse holds from this run's sends: "" = base configuration
    // (config.bin); nullopt before the first send.
    std::optional<std::string> held() const;
    // Sends that profile now ("" = base); returns "" or a one-line error (damaged, missing,
    // no mouse), in which case nothing was sent.
    std::string choose(std::string_view name);
    bool automatic() const { return automatic_; }
    // Takes effect at once; returns "" or the error of storing it (the choice then holds
    // until the program ends).
    std::string setAutomatic(bool on);
    // The folder changed (saved profile, rule set), and once at start: re-reads it and
    // starts or stops watching.
    void reload();
    // For the menu, in name order, damaged ones included.
    const std::vector<ProfileEntry>& profiles() const { return entries_; }
    // Empty names (unknown, this program) are ignored.
    void onForegroundProgram(std::string_view exeFileName);
    // Nothing is sent while the main window or a dialog is shown; the program in front is
    // checked again once neither is.
    void setEditing(bool windowOrDialogShown);
    // A dialog of the tray, shown while the main window may be hidden.
    void setDialogShown(bool shown);
    void onDeviceArrived();

    bool watching() const { return watching_; }
    // Called after any of the calls above when held() is not what it was last time
    // (the window's Apply shows when the window hides).
    void onHeldChange(std::function<void(const std::optional<std::string>&)> changed) {
        heldChanged_ = std::move(changed);
    }

  private:
    // Whether switching by the program in front is on and some profile names a program.
    bool switchingWanted() const;
    void updateWatching();
    void refreshFront();
    // Sends what the program in front calls for, unless editing or switching is off.
    void followFront();
    // The mouse came back: what it gets, if anything.
    void followPlug();
    // "" = base. Returns "" or why nothing was sent.
    std::string send(const std::string& name);
    std::string settingsPath() const;
    void reportHeld();
    void editingChanged();

    ProfileStore& store_;
    FilesPort& files_;
    SwitchDevicePort& device_;
    ForegroundWatchPort& watch_;
    std::vector<ProfileEntry> entries_;
    bool automatic_ = true;
    bool editing_ = false;
    bool windowShown_ = false;
    bool dialogShown_ = false;
    bool watching_ = false;
    std::string front_;
    // What our last send put on the mouse; stale once another send (Apply) followed it.
    std::optional<std::string> sentName_;
    MouseConfig sentConfig_{};
    std::uint64_t sendCountAfterOurs_ = 0;
    // A profile chosen by hand that a mouse plugged in again during editing gets afterwards.
    std::optional<std::string> pendingResend_;
    std::function<void(const std::optional<std::string>&)> heldChanged_;
    std::optional<std::string> reported_;
};

// The tray tip: `baseTip` while the mouse holds the base configuration or nothing was sent.
std::string trayTipFor(std::string_view baseTip, const std::optional<std::string>& held);

}  // namespace quorvel
