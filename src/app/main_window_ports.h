// The other subsystems as the main window sees them: narrow ports, so the window's start-up,
// tray and apply logic runs against fakes in tests and against the real modules in the exe.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/profile_switcher.h"
#include "app/shell_port.h"
#include "app/tray_menu_actions.h"
#include "config/mouse_config.h"
#include "config/settings_file.h"
#include "dialogs/key_dialogs.h"
#include "dialogs/skins_dialog_choice.h"
#include "macro/macro_library.h"
#include "pages/advanced_page.h"
#include "pages/pointer_settings.h"
#include "ui/language_texts.h"
#include "ui/skinned_window.h"

namespace quorvel {

struct ImageSize {
    int width = 0;
    int height = 0;
};

// The Win32 window around the model: what only the system can do for it at start-up.
class WindowHostPort {
  public:
    virtual ~WindowHostPort() = default;
    // False when another copy of the program holds the instance mutex.
    virtual bool claimSingleInstance() = 0;
    virtual void setMainIcons() = 0;
    virtual void makeToolWindow() = 0;
    virtual void publishWindow() = 0;
    virtual bool registerDeviceNotifications() = 0;
    virtual std::string executablePath() = 0;
    // Loads the page background, sizes the window to it and keeps it as the page surface;
    // a failed load gives 0 x 0 and no surface.
    virtual ImageSize adoptBackground(const std::string& imagePath) = 0;
    virtual void createFonts(std::string_view languageCode) = 0;
    // Images come from this skin directory from now on; those of the old one are dropped.
    virtual void useSkin(const std::string& directory) = 0;
};

// The device link: discovery, handshake, the notification reader, the apply sequence.
class DeviceControlPort {
  public:
    virtual ~DeviceControlPort() = default;
    virtual bool discover() = 0;
    // True when the mouse answered; sets or clears the connected flag itself.
    virtual bool handshake() = 0;
    virtual bool connected() const = 0;
    virtual void clearConnected() = 0;
    // False when the system could not make the event the reader waits on.
    virtual bool hasNotificationEvent() const = 0;
    // The reader thread, created suspended; false when it could not be created.
    virtual bool createNotificationReader() = 0;
    virtual void startNotificationReader() = 0;
    // Reads the sensor information, sets its option bit and writes it back; the sensor type.
    virtual int refreshSensorInfo() = 0;
    virtual void applyToDevice(const MouseConfig& config, int sensorType) = 0;
    virtual void closeHandles() = 0;
};

// config.bin and str.ini.
class SettingsStorePort {
  public:
    virtual ~SettingsStorePort() = default;
    // Forms the file paths and loads config.bin into the record; reports its own failures.
    virtual void loadConfigFile(MouseConfig& config) = 0;
    // The first-run flag as loaded: false until the program has saved the file once.
    virtual bool savedBefore() const = 0;
    virtual void saveConfigFile(const MouseConfig& config) = 0;
    virtual std::string readLanguageCode() = 0;
    virtual SettingsTexts readSettings(std::string_view section) = 0;
    virtual void writeButtonLabels(std::string_view section, const ButtonLabels& labels) = 0;
    // "RColor", "GColor", "BColor" and "Path" in one replace; false when they did not reach it.
    virtual bool writeSkinChoice(const SkinChoice& choice) = 0;
};

// The Windows pointer settings kept in the record.
class PointerSettingsPort {
  public:
    virtual ~PointerSettingsPort() = default;
    virtual void apply(const MouseConfig& config) = 0;
};

// The skin chooser, started at the skin in use; empty when it was cancelled.
class SkinChooserPort {
  public:
    virtual ~SkinChooserPort() = default;
    virtual std::optional<SkinSetting> choose(const SkinSetting& current) = 0;
    // The installed complete skins in the order to try them, `wanted` first when it is one.
    virtual UsableSkins usableSkins(std::string_view wanted) = 0;
};

// Everything the main-window model reaches outside itself, one reference each.
struct MainWindowPorts {
    ShellPort& shell;
    WindowHostPort& host;
    DeviceControlPort& device;
    SettingsStorePort& store;
    PointerSettingsPort& pointer;
    SkinChooserPort& skins;
    // The sub-dialogs the key lists' functions open.
    KeyDialogPort& keyDialogs;
    // The advanced page's system pointer settings, macro library, caption and item menu.
    SystemPointerPort& systemPointer;
    MacroLibrary& macros;
    WindowCaptionPort& caption;
    ItemMenuPort& itemMenu;
    // Profiles sent by the program in front; none in a run without them.
    ProfileSwitcher* profiles = nullptr;
    // The tray icon's menu beyond Exit: profiles, the profiles folder; Exit alone without it.
    TrayMenuPort* trayMenu = nullptr;
};

}  // namespace quorvel
