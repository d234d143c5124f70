// Fakes of the main window's ports that write every call into one shared log, so a test can
// check both what happened and in which order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/main_window_model.h"
#include "app/main_window_ports.h"
#include "app/shell_port.h"
#include "support/fake_files.h"
#include "unit/dialogs/fake_dialog_context.h"
#include "unit/pages/advanced_fakes.h"
#include "unit/pages/fake_key_dialogs.h"

namespace quorvel::test {

struct CallLog {
    std::vector<std::string> calls;
    void add(std::string call) { calls.push_back(std::move(call)); }
    bool has(const std::string& call) const {
        for (const auto& c : calls) {
            if (c == call)
                return true;
        }
        return false;
    }
    int count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls)
            n += c == call ? 1 : 0;
        return n;
    }
    // Position of the first call with this text; -1 when absent.
    int indexOf(const std::string& call) const {
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (calls[i] == call)
                return static_cast<int>(i);
        }
        return -1;
    }
};

class FakeShell : public ShellPort {
  public:
    explicit FakeShell(CallLog& log) : log_(log) {}
    void show(std::string_view text, std::string_view caption) override {
        log_.add("message:" + std::string(text) + "|" + std::string(caption));
    }
    bool addTrayIcon(std::string_view tip) override {
        log_.add("tray:add:" + std::string(tip));
        return true;
    }
    void showBalloon(const Balloon& balloon) override {
        balloons.push_back(balloon);
        log_.add("balloon:" + balloon.text);
    }
    void removeTrayIcon() override { log_.add("tray:remove"); }
    void setTrayTip(std::string_view tip) override { log_.add("tray:tip:" + std::string(tip)); }
    void showTrayMenu(const PopupMenu& menu) override {
        log_.add("menu:" + std::to_string(menu.size()) + " items");
    }
    std::vector<std::string> programsWithWindows() override { return {}; }
    bool openFolder(const std::string& path) override {
        log_.add("folder:" + path);
        return true;
    }
    void showWindow() override { log_.add("window:show"); }
    void hideWindow() override { log_.add("window:hide"); }
    void bringToForeground() override { log_.add("window:foreground"); }
    void openUrl(std::string_view url) override { log_.add("url:" + std::string(url)); }
    DialogEnd runModal(SkinnedWindow&) override {
        log_.add("modal");
        return DialogEnd::Cancel;
    }
    void endProcess(int exitCode) override {
        exitCodes.push_back(exitCode);
        log_.add("exit:" + std::to_string(exitCode));
    }

    std::vector<Balloon> balloons;
    std::vector<int> exitCodes;

  private:
    CallLog& log_;
};

class FakeHost : public WindowHostPort {
  public:
    explicit FakeHost(CallLog& log) : log_(log) {}
    bool claimSingleInstance() override {
        log_.add("mutex");
        return firstInstance;
    }
    void setMainIcons() override { log_.add("icons"); }
    void makeToolWindow() override { log_.add("toolwindow"); }
    void publishWindow() override { log_.add("publish"); }
    bool registerDeviceNotifications() override {
        log_.add("register");
        return registerOk;
    }
    std::string executablePath() override { return exePath; }
    ImageSize adoptBackground(const std::string& imagePath) override {
        log_.add("background:" + imagePath);
        for (const std::string& broken : unloadable) {
            if (imagePath.find(broken) != std::string::npos)
                return {0, 0};
        }
        return {880, 660};
    }
    void createFonts(std::string_view languageCode) override {
        log_.add("fonts:" + std::string(languageCode));
    }
    void useSkin(const std::string& directory) override {
        skinDirectories.push_back(directory);
        log_.add("skin:" + directory);
    }

    bool firstInstance = true;
    std::vector<std::string> unloadable;  // images (parts of their paths) that fail to load
    bool registerOk = true;
    std::string exePath = "C:\\Program Files\\Quorvel\\QuorvelMouse.exe";
    std::vector<std::string> skinDirectories;

  private:
    CallLog& log_;
};

class FakeDevice : public DeviceControlPort {
  public:
    explicit FakeDevice(CallLog& log) : log_(log) {}
    bool discover() override {
        log_.add("discover");
        return discoverOk;
    }
    bool handshake() override {
        log_.add("handshake");
        connected_ = handshakeOk;
        return handshakeOk;
    }
    bool connected() const override { return connected_; }
    void clearConnected() override {
        log_.add("clear-connected");
        connected_ = false;
    }
    bool hasNotificationEvent() const override { return eventOk; }
    bool createNotificationReader() override {
        log_.add("reader:create");
        return readerOk;
    }
    void startNotificationReader() override { log_.add("reader:start"); }
    int refreshSensorInfo() override {
        log_.add("sensor");
        return sensorType;
    }
    void applyToDevice(const MouseConfig& config, int type) override {
        applied.push_back(config);
        appliedSensorTypes.push_back(type);
        log_.add("device:apply");
    }
    void closeHandles() override { log_.add("device:close"); }

    void setConnected(bool value) { connected_ = value; }

    bool discoverOk = true;
    bool handshakeOk = true;
    bool eventOk = true;
    bool readerOk = true;
    int sensorType = 1;
    std::vector<MouseConfig> applied;
    std::vector<int> appliedSensorTypes;

  private:
    CallLog& log_;
    bool connected_ = false;
};

class FakeStore : public SettingsStorePort {
  public:
    explicit FakeStore(CallLog& log) : log_(log) {}
    void loadConfigFile(MouseConfig& config) override {
        log_.add("config:load");
        if (fileRecord)
            config = *fileRecord;
    }
    bool savedBefore() const override { return savedBeforeFlag; }
    void saveConfigFile(const MouseConfig& config) override {
        saved.push_back(config);
        log_.add("config:save");
    }
    std::string readLanguageCode() override {
        log_.add("lan");
        return languageCode;
    }
    SettingsTexts readSettings(std::string_view section) override {
        log_.add("settings:read:" + std::string(section));
        return settings;
    }
    void writeButtonLabels(std::string_view section, const ButtonLabels& labels) override {
        written.push_back(labels);
        log_.add("labels:write:" + std::string(section));
    }
    bool writeSkinChoice(const SkinChoice& choice) override {
        skinChoices.push_back(choice);
        log_.add("skin:write");
        return true;
    }

    std::optional<MouseConfig> fileRecord;
    bool savedBeforeFlag = true;
    std::string languageCode;
    SettingsTexts settings;
    std::vector<MouseConfig> saved;
    std::vector<ButtonLabels> written;
    std::vector<SkinChoice> skinChoices;

  private:
    CallLog& log_;
};

// The host as the main window's model sees it: drags and copies to the screen join the log.
class LoggedWindow : public FakeDialogContext {
  public:
    explicit LoggedWindow(CallLog& log) : log_(log), canvas_(log) {}
    Canvas& canvas() override { return canvas_; }
    void dragWindow(int x, int y) override {
        log_.add("window:drag:" + std::to_string(x) + "," + std::to_string(y));
    }

  private:
    class LoggedCanvas : public PictureCanvas {
      public:
        explicit LoggedCanvas(CallLog& log) : log_(log) {}
        void copyToScreen() override { log_.add("screen:copy"); }

      private:
        CallLog& log_;
    };
    CallLog& log_;
    LoggedCanvas canvas_;
};

class FakePointer : public PointerSettingsPort {
  public:
    explicit FakePointer(CallLog& log) : log_(log) {}
    void apply(const MouseConfig&) override { log_.add("pointer:apply"); }

  private:
    CallLog& log_;
};

class FakeSkinChooser : public SkinChooserPort {
  public:
    explicit FakeSkinChooser(CallLog& log) : log_(log) {}
    std::optional<SkinSetting> choose(const SkinSetting& current) override {
        log_.add("skins:choose");
        startedAt.push_back(current);
        return answer;
    }
    UsableSkins usableSkins(std::string_view wanted) override {
        if (usable)
            return *usable;
        return UsableSkins{{std::string(wanted)}, true};
    }
    std::optional<SkinSetting> answer;  // empty: the user cancelled
    std::optional<UsableSkins> usable;  // empty: the wanted skin is installed and complete
    std::vector<SkinSetting> startedAt;

  private:
    CallLog& log_;
};

// One main window over fakes.
// Shows in the language's Exit text; a performed command keeps the base profile it was given.
class FakeTrayMenu : public TrayMenuPort {
  public:
    explicit FakeTrayMenu(CallLog& log) : log_(log) {}
    void show(const LanguageTexts& texts) override {
        log_.add("tray-menu:" + std::string(texts.text(TextId::Exit)));
    }
    bool perform(int command, const DialogLook&, const BaseProfile& base) override {
        log_.add("tray-menu:perform:" + std::to_string(command));
        baseGiven = base();
        return true;
    }
    std::optional<Profile> baseGiven;

  private:
    CallLog& log_;
};

struct DialogRig {
    CallLog log;
    FakeShell shell{log};
    FakeHost host{log};
    FakeDevice device{log};
    FakeStore store{log};
    LoggedWindow window{log};
    FakePointer pointer{log};
    FakeSkinChooser skins{log};
    SharedUiState shared;
    FakeKeyDialogs keyDialogs;
    FakeSystemPointer systemPointer;
    testing::FakeFiles files;
    MacroLibrary macros{files, "record.ini", shared.records.live};
    FakePageServices pageServices;
    FakeTrayMenu trayMenu{log};
    MainWindowModel model{
        MainWindowPorts{shell, host, device, store, pointer, skins, keyDialogs, systemPointer,
                        macros, pageServices, pageServices, nullptr, &trayMenu},
        shared};

    // Starts the window and forgets the start-up calls.
    void start() {
        model.startUp(window);
        log.calls.clear();
        shell.balloons.clear();
    }
};

}  // namespace quorvel::test
