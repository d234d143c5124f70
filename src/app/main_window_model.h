// The main window's behaviour: start-up, tray, notices, device changes, the fixed buttons,
// Apply and Cancel. The Win32 host turns messages into these calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/fixed_buttons.h"
#include "app/main_window_pages.h"
#include "app/main_window_ports.h"
#include "app/shell_port.h"
#include "app/tray_menu.h"
#include "config/mouse_config.h"
#include "pages/basic_page.h"
#include "pages/modal_delay_dialog.h"
#include "ui/language_texts.h"
#include "ui/shared_ui_state.h"
#include "ui/skinned_window.h"

namespace quorvel {

inline constexpr int kMainDialogTemplate = 700;
inline constexpr std::string_view kTrayTip = "Gaming Mouse Setting";

// Mouse messages of the tray callback.
inline constexpr unsigned kTrayLeftButtonUp = 0x202;
inline constexpr unsigned kTrayLeftButtonDoubleClick = 0x203;
inline constexpr unsigned kTrayRightButtonUp = 0x205;

class MainWindowModel final : public SkinnedWindow {
  public:
    MainWindowModel(MainWindowPorts ports, SharedUiState& shared);

    // The host's calls. The background depends on the skin read during start-up, which
    // places it itself.
    int templateId() const override { return kMainDialogTemplate; }
    std::string_view backgroundImage() const override { return {}; }
    void onInit(WindowContext& w) override { startUp(w); }
    void onPress(int x, int y, WindowContext& w) override;
    void onMouseMove(int x, int y, WindowContext& w) override { pages_.move(x, y, w); }
    void onHover(int x, int y, WindowContext& w) override { pages_.rest(x, y, w); }
    void onMouseLeave(WindowContext& w) override {
        if (pages_.shown() != PageState::None)
            pages_.pointerLeft(w);
    }
    void onChildMouseMove(int id, int x, int y, WindowContext& w) override {
        pages_.onChildMouseMove(id, x, y, w);
    }
    void onListSelectionChange(int id, WindowContext& w) override {
        pages_.onListSelectionChange(id, w);
    }
    void onListDoubleClick(int id, WindowContext& w) override { pages_.onListDoubleClick(id, w); }
    void onEditChange(int id, WindowContext& w) override { pages_.onEditChange(id, w); }
    void onChildRightButtonDown(int id, WindowContext& w) override {
        pages_.onChildRightButtonDown(id, w);
    }
    void onHookedKey(const HookedKey& key, WindowContext& w) override {
        pages_.onHookedKey(key, w);
    }
    std::optional<ColourAnswer> colourFor(int id, ControlKind kind, WindowContext&) override {
        return pages_.colourFor(id, kind);
    }
    bool onKeyBeforeDialogManager(unsigned key, KeyPhase phase, WindowContext&) override {
        // While a macro is recorded, the keys typed are its content, not commands.
        if (pages_.onKeyBeforeDialogManager(phase))
            return true;
        return phase == KeyPhase::Down && hidesOnKey(key);
    }
    // Enter and Escape through the dialog manager, and the system close: back to the tray.
    void onCancelRequest(WindowContext&) override { hideMainWindow(); }
    void onOkRequest(WindowContext&) override { hideMainWindow(); }
    // The first non-client paints of a run hide the window instead: it starts in the tray.
    bool onNonClientPaint(WindowContext&) override;
    void onMenuCommand(int command, WindowContext&) override;
    void onDestroy(WindowContext&) override;
    void onTrayNotify(unsigned mouseMessage, WindowContext& w) override;
    // Our icon is gone from the new tray.
    void onShellRestart(WindowContext&) override;
    void onNotice(long kind, long value, WindowContext&) override { showNotice(kind, value); }
    void onDeviceChange(std::uint32_t event, std::uint32_t deviceType, std::string_view name,
                        WindowContext&) override;

    // Start-up; false when it stopped early (the window then stays with nothing loaded).
    bool startUp(WindowContext& window);
    void apply();
    void cancel();
    void showBasicPage(WindowContext& window);
    void showAdvancedPage(WindowContext& window);
    // The skins button: a skin and colour chosen with OK take effect and are saved at once.
    void chooseSkin(WindowContext& window);

    const LanguageTexts& texts() const { return texts_; }
    const AdvancedPage& advancedPage() const { return pages_.advanced(); }
    const ButtonLabels& labels() const { return labels_; }
    ButtonLabels& labels() { return labels_; }
    PageState pageState() const { return pages_.shown(); }
    bool restorePending() const { return restorePending_; }
    bool deviceRead() const { return deviceRead_; }
    bool readerStarted() const { return readerStarted_; }
    bool skinLoaded() const { return skinLoaded_; }
    bool shownFromTray() const { return hidingPaints_ == 0 && shownFromTray_; }
    std::string_view settingsSection() const { return texts_.sectionName(); }

  private:
    // A shown window is a person editing: no profile is sent by the program in front.
    void showMainWindow();
    void hideMainWindow();
    std::string trayTip() const;
    void exitProgram();
    // Enter and Escape hide the window; true when the key was one of them.
    bool hidesOnKey(unsigned virtualKey);
    void showNotice(long kind, long value);
    void perform(FixedButton button, WindowContext& window);
    void rediscover(bool readSensorOnSuccess);
    void restoreFromTray(WindowContext& window);
    void startReaderOnce();
    void stopStartUp();
    // The skin str.ini names, else a complete installed one; says when it stands in.
    void adoptStartingSkin();
    void showNoSkin();
    void showConnectionNotice(bool connected);
    // The shown page's child windows go and the page is drawn again from the record.
    void rebuildPage(WindowContext& window);

    struct PendingNotice {
        long kind;
        long value;
    };

    MainWindowPorts ports_;
    SharedUiState& shared_;
    LanguageTexts texts_;
    ButtonLabels labels_;
    ModalDelayDialog delayDialog_{ports_.shell, shared_};
    MainWindowPages pages_{
        BasicPageEnv{shared_, texts_, labels_, ports_.keyDialogs},
        AdvancedPageServices{shared_, texts_, ports_.systemPointer, ports_.macros, delayDialog_,
                             ports_.caption, ports_.itemMenu}};
    SettingsTexts settings_;
    bool deviceRead_ = false;
    bool restorePending_ = false;
    bool readerCreated_ = false;
    bool readerStarted_ = false;
    bool cleanedUp_ = false;
    bool shownFromTray_ = false;
    // False when no skin's background loaded: there is no window to show.
    bool skinLoaded_ = false;
    std::string missingSkinDirectory_;
    int hidingPaints_ = 2;
    // Notices raised before the language is known wait for it, so they are not blank.
    bool textsReady_ = false;
    std::vector<PendingNotice> pendingNotices_;
};

}  // namespace quorvel
