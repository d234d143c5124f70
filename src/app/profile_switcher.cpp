#include "app/profile_switcher.h"

#include <algorithm>
#include <utility>

#include "config/ini_file.h"
#include "profile/profile_names.h"

namespace quorvel {
namespace {

constexpr std::string_view kAutomaticOff = "0";
constexpr std::string_view kAutomaticOn = "1";
constexpr std::string_view kTipSeparator = " - ";

std::string_view fileNameOf(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

ProfileSwitcher::ProfileSwitcher(ProfileStore& store, FilesPort& files, SwitchDevicePort& device,
                                 ForegroundWatchPort& watch)
    : store_(store), files_(files), device_(device), watch_(watch) {}

ProfileSwitcher::~ProfileSwitcher() {
    if (watching_)
        watch_.stopWatching();
}

std::string ProfileSwitcher::settingsPath() const {
    const std::string& folder = store_.folder();
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    return folder + separator + std::string(kSwitchingFileName);
}

std::optional<std::string> ProfileSwitcher::held() const {
    // Only the window's Apply sends besides us, and it sends the base configuration.
    if (device_.sendCount() != sendCountAfterOurs_)
        return std::string();
    return sentName_;
}

std::string ProfileSwitcher::choose(std::string_view name) {
    std::string error = send(std::string(name));
    reportHeld();
    return error;
}

std::string ProfileSwitcher::setAutomatic(bool on) {
    automatic_ = on;
    updateWatching();
    followFront();
    reportHeld();
    IniFile settings(files_, settingsPath());
    if (files_.makeDirectory(store_.folder()) ||
        !settings.writeString(kSwitchingSection, kAutomaticKey, on ? kAutomaticOn : kAutomaticOff))
        return settingsPath() + ": the setting could not be stored";
    return {};
}

void ProfileSwitcher::reload() {
    entries_ = store_.list();
    const IniFile settings(files_, settingsPath());
    automatic_ = settings.readString(kSwitchingSection, kAutomaticKey) != kAutomaticOff;
    updateWatching();
    refreshFront();
    followFront();
    reportHeld();
}

void ProfileSwitcher::onForegroundProgram(std::string_view exeFileName) {
    const std::string_view program = fileNameOf(exeFileName);
    // Another window of the program in front leaves a profile chosen by hand alone.
    if (!watching_ || program.empty() || sameProgram(program, front_))
        return;
    front_ = program;
    followFront();
    reportHeld();
}

void ProfileSwitcher::setEditing(bool windowOrDialogShown) {
    windowShown_ = windowOrDialogShown;
    editingChanged();
}

void ProfileSwitcher::setDialogShown(bool shown) {
    dialogShown_ = shown;
    editingChanged();
}

void ProfileSwitcher::editingChanged() {
    const bool now = windowShown_ || dialogShown_;
    const bool ended = editing_ && !now;
    editing_ = now;
    if (!ended)
        return;
    refreshFront();
    if (pendingResend_) {
        const std::string name = *std::exchange(pendingResend_, std::nullopt);
        if (!switchingWanted())
            (void)send(name);  // an unreadable profile leaves the mouse as it came back
    }
    followFront();
    reportHeld();
}

void ProfileSwitcher::onDeviceArrived() {
    followPlug();
    reportHeld();
}

void ProfileSwitcher::followPlug() {
    const std::optional<std::string> before = held();
    // The mouse may have kept or lost what it held; a send now must be whole.
    device_.forgetSent();
    sentName_.reset();
    sendCountAfterOurs_ = device_.sendCount();
    if (switchingWanted()) {
        refreshFront();
        // The base stays with the mouse's own memory, as before profiles existed.
        const ProfileEntry* owner = profileOfProgram(entries_, front_);
        if (owner == nullptr && before.value_or("").empty())
            return;
        followFront();
        return;
    }
    if (!before || before->empty())
        return;
    if (editing_) {
        pendingResend_ = *before;
        return;
    }
    (void)send(*before);  // an unreadable profile leaves the mouse as it came back
}

bool ProfileSwitcher::switchingWanted() const {
    if (!automatic_)
        return false;
    return std::any_of(entries_.begin(), entries_.end(), [](const ProfileEntry& entry) {
        return entry.profile && !entry.profile->programs.empty();
    });
}

void ProfileSwitcher::updateWatching() {
    const bool wanted = switchingWanted();
    if (wanted == watching_)
        return;
    watching_ = wanted;
    if (wanted) {
        watch_.startWatching();
        refreshFront();
    } else {
        watch_.stopWatching();
        front_.clear();
    }
}

void ProfileSwitcher::refreshFront() {
    if (!watching_)
        return;
    // This program in front (its menu, its window) keeps the program that was there before.
    if (const std::string now = watch_.foregroundProgram(); !now.empty())
        front_ = fileNameOf(now);
}

void ProfileSwitcher::followFront() {
    if (editing_ || !switchingWanted() || front_.empty())
        return;
    const ProfileEntry* owner = profileOfProgram(entries_, front_);
    // A profile that cannot be read now leaves the mouse as it is.
    (void)send(owner != nullptr ? owner->name : std::string());
}

std::string ProfileSwitcher::send(const std::string& name) {
    MouseConfig config;
    if (name.empty()) {
        config = device_.baseConfiguration();
    } else {
        // Read anew: the file may have changed since the list was read.
        ProfileEntry entry = store_.load(name);
        if (!entry.profile)
            return entry.path + ": " + entry.error + "; nothing was sent";
        config = entry.profile->config;
    }
    const bool appliedSince = device_.sendCount() != sendCountAfterOurs_;
    const bool holdsIt = appliedSince ? name.empty() : sentName_ == name && sentConfig_ == config;
    if (holdsIt)
        return {};
    if (!device_.connected())
        return "the mouse is not connected; nothing was sent";
    device_.switchTo(config);
    sentName_ = name;
    sentConfig_ = config;
    sendCountAfterOurs_ = device_.sendCount();
    return {};
}

void ProfileSwitcher::reportHeld() {
    std::optional<std::string> now = held();
    if (now == reported_)
        return;
    reported_ = std::move(now);
    if (heldChanged_)
        heldChanged_(reported_);
}

std::string trayTipFor(std::string_view baseTip, const std::optional<std::string>& held) {
    if (!held || held->empty())
        return std::string(baseTip);
    return std::string(baseTip) + std::string(kTipSeparator) + *held;
}

}  // namespace quorvel
