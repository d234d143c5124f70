#include "app/main_window_model.h"

#include <utility>

#include "app/device_change.h"
#include "dialogs/skinned_dialog.h"
#include "ports/message_box.h"
#include "ui/skin_images.h"
#include "ui/skin_path.h"

namespace quorvel {
namespace {

constexpr std::string_view kCreateEventFailed = "CreateEvent failed.";
constexpr std::string_view kRegisterFailed = "RegisterDeviceNotification failed!!!";
constexpr std::string_view kSkinMissingPrefix = "The skin folder \"";
constexpr std::string_view kSkinStandInInfix = "\" is missing or incomplete. Showing the skin \"";
constexpr std::string_view kSkinStandInSuffix = "\" instead.";
constexpr std::string_view kNoSkinSuffix =
    "\" is missing or incomplete, and no other complete skin is installed: the window "
    "cannot be shown. Reinstall the program to restore its skins.";
// Start-up that cannot watch the mouse would leave a window that saves an unloaded record.
constexpr int kStartUpFailedExitCode = 1;

}  // namespace

MainWindowModel::MainWindowModel(MainWindowPorts ports, SharedUiState& shared)
    : ports_(ports), shared_(shared) {
    shared_.textColour = Colour{0, 255, 0};
}

bool MainWindowModel::startUp(WindowContext& window) {
    if (!ports_.host.claimSingleInstance()) {
        ports_.shell.endProcess(0);
        return false;
    }
    ports_.host.setMainIcons();
    ports_.host.makeToolWindow();
    ports_.host.publishWindow();
    // Drawn nowhere (the window has no frame), yet Alt+Tab and the taskbar show it, and the
    // recorder puts it back after its hint.
    ports_.caption.setCaption(kAppTitle);
    ports_.shell.addTrayIcon(trayTip());

    if (!ports_.device.discover()) {
        showNotice(notice::kMouseNotDetected, 0);
        ports_.device.clearConnected();
    } else {
        showConnectionNotice(ports_.device.handshake());
    }

    if (!ports_.device.hasNotificationEvent()) {
        ports_.shell.show(kCreateEventFailed, kAppTitle);
        stopStartUp();
        return false;
    }
    readerCreated_ = ports_.device.createNotificationReader();
    if (ports_.device.connected())
        startReaderOnce();

    if (!ports_.host.registerDeviceNotifications()) {
        ports_.shell.show(kRegisterFailed, kAppTitle);
        stopStartUp();
        return false;
    }

    MouseConfig& live = shared_.records.live;
    ports_.store.loadConfigFile(live);
    shared_.records.takeBackup();

    shared_.languageCode = ports_.store.readLanguageCode();
    texts_ = LanguageTexts(languageFromCode(shared_.languageCode));
    textsReady_ = true;
    for (const PendingNotice& notice : std::exchange(pendingNotices_, {})) {
        showNotice(notice.kind, notice.value);
    }

    settings_ = ports_.store.readSettings(texts_.sectionName());
    labels_ = settings_.labels;

    adoptStartingSkin();
    shared_.textColour =
        Colour{colourByte(settings_.red), colourByte(settings_.green), colourByte(settings_.blue)};

    ports_.host.createFonts(shared_.languageCode);

    if (ports_.device.connected() && skinLoaded_)
        showBasicPage(window);
    if (ports_.profiles != nullptr) {
        ports_.profiles->onHeldChange([this](const std::optional<std::string>& held) {
            ports_.shell.setTrayTip(trayTipFor(kTrayTip, held));
        });
        ports_.profiles->reload();
    }
    return true;
}

void MainWindowModel::showMainWindow() {
    ports_.shell.showWindow();
    if (ports_.profiles != nullptr)
        ports_.profiles->setEditing(true);
}

void MainWindowModel::hideMainWindow() {
    ports_.shell.hideWindow();
    if (ports_.profiles != nullptr)
        ports_.profiles->setEditing(false);
}

std::string MainWindowModel::trayTip() const {
    return trayTipFor(kTrayTip,
                      ports_.profiles != nullptr ? ports_.profiles->held() : std::nullopt);
}

void MainWindowModel::adoptStartingSkin() {
    const std::string executable = ports_.host.executablePath();
    missingSkinDirectory_ = skinDirectoryFor(executable, settings_.skinName);
    const UsableSkins usable = ports_.skins.usableSkins(settings_.skinName);
    for (const std::string& name : usable.names) {
        const std::string directory = skinDirectoryFor(executable, name);
        // A window sized from an image that did not load would be 0 x 0: never seen.
        const ImageSize size =
            ports_.host.adoptBackground(directory + std::string(skin_image::kBasicBackground));
        if (size.width <= 0 || size.height <= 0)
            continue;
        skinLoaded_ = true;
        shared_.skinDirectory = directory;
        shared_.skinName = name;
        if (!usable.wantedFirst || name != usable.names.front()) {
            ports_.shell.show(std::string(kSkinMissingPrefix) + missingSkinDirectory_ +
                                  std::string(kSkinStandInInfix) + name +
                                  std::string(kSkinStandInSuffix),
                              kAppTitle);
        }
        return;
    }
    shared_.skinDirectory = missingSkinDirectory_;
    shared_.skinName = settings_.skinName;
    showNoSkin();
}

void MainWindowModel::showNoSkin() {
    ports_.shell.show(
        std::string(kSkinMissingPrefix) + missingSkinDirectory_ + std::string(kNoSkinSuffix),
        kAppTitle);
}

void MainWindowModel::stopStartUp() {
    ports_.shell.endProcess(kStartUpFailedExitCode);
}

void MainWindowModel::showConnectionNotice(bool connected) {
    showNotice(connected ? notice::kMouseDetected : notice::kMouseNotDetected, 0);
}

bool MainWindowModel::onNonClientPaint(WindowContext&) {
    if (hidingPaints_ <= 0)
        return false;
    --hidingPaints_;
    hideMainWindow();
    return true;
}

void MainWindowModel::onTrayNotify(unsigned mouseMessage, WindowContext& window) {
    switch (mouseMessage) {
        case kTrayLeftButtonUp:
        case kTrayLeftButtonDoubleClick:
            if (!ports_.device.connected()) {
                showNotice(notice::kMouseNotDetected, 0);
                return;
            }
            if (!skinLoaded_) {
                showNoSkin();
                return;
            }
            restoreFromTray(window);
            return;
        case kTrayRightButtonUp:
            ports_.shell.bringToForeground();
            if (ports_.trayMenu != nullptr) {
                ports_.trayMenu->show(texts_);
            } else {
                PopupMenuItem exit;
                exit.command = kExitCommand;
                exit.text = std::string(texts_.text(TextId::Exit));
                ports_.shell.showTrayMenu({exit});
            }
            return;
        default:
            return;
    }
}

void MainWindowModel::restoreFromTray(WindowContext& window) {
    if (restorePending_) {
        restorePending_ = false;
        if (pages_.shown() == PageState::Basic) {
            settings_ = ports_.store.readSettings(texts_.sectionName());
            labels_ = settings_.labels;
        }
        rebuildPage(window);
    } else if (!deviceRead_) {
        showBasicPage(window);
    }
    // The user asked for the window: start-up's hiding is over even if the system sent
    // fewer non-client paints than expected (Wine sends one).
    hidingPaints_ = 0;
    shownFromTray_ = true;
    ports_.shell.bringToForeground();
    showMainWindow();
}

void MainWindowModel::showNotice(long kind, long value) {
    if (!textsReady_) {
        pendingNotices_.push_back(PendingNotice{kind, value});
        return;
    }
    const auto balloon =
        balloonForNotice(kind, value, texts_, shared_.records.live, shared_.sensorType);
    if (balloon)
        ports_.shell.showBalloon(*balloon);
}

void MainWindowModel::onDeviceChange(std::uint32_t event, std::uint32_t deviceType,
                                     std::string_view name, WindowContext&) {
    if (deviceType != kDeviceInterfaceBroadcast || !isOurInterfaceName(name))
        return;
    if (event == static_cast<std::uint32_t>(DeviceEvent::Arrival)) {
        rediscover(true);
    } else if (event == static_cast<std::uint32_t>(DeviceEvent::RemoveComplete)) {
        // Another interface of the mouse may still be there.
        rediscover(false);
    }
}

void MainWindowModel::rediscover(bool readSensorOnSuccess) {
    if (!ports_.device.discover()) {
        showNotice(notice::kMouseNotDetected, 0);
        hideMainWindow();
        ports_.device.clearConnected();
        return;
    }
    const bool connected = ports_.device.handshake();
    showConnectionNotice(connected);
    if (readSensorOnSuccess && connected) {
        shared_.sensorType = ports_.device.refreshSensorInfo();
        startReaderOnce();
        if (ports_.profiles != nullptr)
            ports_.profiles->onDeviceArrived();
    }
}

void MainWindowModel::startReaderOnce() {
    if (!readerCreated_ || readerStarted_)
        return;
    ports_.device.startNotificationReader();
    readerStarted_ = true;
}

void MainWindowModel::onMenuCommand(int command, WindowContext&) {
    if (command == kExitCommand) {
        exitProgram();
        return;
    }
    if (ports_.trayMenu == nullptr)
        return;
    // The base configuration: config.bin as last loaded or applied, with str.ini's labels.
    (void)ports_.trayMenu->perform(command, dialogLookOf(shared_), [this] {
        return Profile{
            shared_.records.backup, ports_.store.readSettings(texts_.sectionName()).labels, {}};
    });
}

bool MainWindowModel::hidesOnKey(unsigned virtualKey) {
    if (virtualKey != kVirtualKeyEnter && virtualKey != kVirtualKeyEscape)
        return false;
    hideMainWindow();
    return true;
}

void MainWindowModel::exitProgram() {
    ports_.shell.endProcess(0);
}

void MainWindowModel::onDestroy(WindowContext&) {
    if (cleanedUp_)
        return;
    cleanedUp_ = true;
    ports_.device.closeHandles();
    ports_.shell.removeTrayIcon();
}

void MainWindowModel::onShellRestart(WindowContext&) {
    if (!cleanedUp_)
        ports_.shell.addTrayIcon(trayTip());
}

}  // namespace quorvel
