// The Win32 host of the main window: the dialog template 700 run modally, its message table
// turned into calls on CTavrinDlg, and the shell and window services the model asks for.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "app/tavrin_dlg.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/page_surface.h"
#include "platform/win32/skin_fonts.h"
#include "platform/win32/tray_icon.h"

namespace quorvel::win32 {

inline constexpr int kMainDialogTemplate = 700;
inline constexpr int kMainIconResource = 710;
inline constexpr UINT kShowNoticeMessage = 0x0402;
inline constexpr const wchar_t* kInstanceMutexName = L"PelsaR27Mutex";

// Sees each balloon as it goes to the shell, with the shell's answer; for tests.
class BalloonObserver {
  public:
    virtual ~BalloonObserver() = default;
    virtual void balloonShown(const Balloon& balloon, bool accepted) = 0;
};

// The services the host needs from the rest of the program, built by the application.
struct MainWindowServices {
    DeviceControlPort& device;
    SettingsStorePort& store;
    PointerSettingsPort& pointer;
    SkinChooserPort& skins;
    BalloonObserver* balloons = nullptr;
};

class MainWindow final : public DialogWindow,
                         public ShellPort,
                         public WindowHostPort,
                         public PagesPort {
  public:
    MainWindow(HINSTANCE instance, MainWindowServices services, SharedUiState& shared);
    ~MainWindow() override;

    INT_PTR run() { return runModal(instance_, kMainDialogTemplate, nullptr); }
    // For the notification reader's thread.
    HWND publishedWindow() const { return published_.load(); }

    // ShellPort
    void show(std::string_view text, std::string_view caption) override;
    bool addTrayIcon(std::string_view tip) override;
    void showBalloon(const Balloon& balloon) override;
    void removeTrayIcon() override;
    void showTrayMenu(int command, std::string_view label) override;
    void showWindow() override;
    void hideWindow() override;
    void bringToForeground() override;
    void openUrl(std::string_view url) override;
    bool runModal(ModalDialog& dialog) override;
    void endProcess(int exitCode) override;

    // WindowHostPort
    bool claimSingleInstance() override;
    void setMainIcons() override;
    void makeToolWindow() override;
    void publishWindow() override;
    bool createNotificationEvent() override;
    bool registerDeviceNotifications() override;
    std::string executablePath() override;
    ImageSize adoptBackground(const std::string& imagePath) override;
    void createFonts(std::string_view languageCode) override;
    void useSkin(const std::string& directory) override;

    // PagesPort
    void showBasicPage() override;
    void showAdvancedPage() override;
    void click(int x, int y) override;

    using DialogWindow::runModal;

  private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool preTranslateMessage(MSG& msg) override;
    void onCreated() override;

    bool onInitDialog(WPARAM, LPARAM, LRESULT& result);
    bool onPaint(WPARAM, LPARAM, LRESULT& result);
    bool onQueryDragIcon(WPARAM, LPARAM, LRESULT& result);
    bool onEraseBackground(WPARAM, LPARAM, LRESULT& result);
    bool onTrayNotify(WPARAM, LPARAM, LRESULT& result);
    bool onShowNotice(WPARAM, LPARAM, LRESULT& result);
    bool onDeviceChange(WPARAM, LPARAM, LRESULT& result);
    bool onCommand(WPARAM, LPARAM, LRESULT& result);
    bool onClose(WPARAM, LPARAM, LRESULT& result);
    bool onDestroy(WPARAM, LPARAM, LRESULT& result);
    bool onLButtonDown(WPARAM, LPARAM, LRESULT& result);
    bool onNcPaint(WPARAM, LPARAM, LRESULT& result);
    bool onWindowPosChanging(WPARAM, LPARAM, LRESULT& result);
    friend struct MainWindowTable;

    void drawPlainPage();

    HINSTANCE instance_;
    SharedUiState& shared_;
    BalloonObserver* balloons_;
    CTavrinDlg dialog_;
    HICON icon_ = nullptr;
    HANDLE mutex_ = nullptr;
    HDEVNOTIFY deviceNotify_ = nullptr;
    UINT taskbarCreated_ = 0;
    TrayIcon tray_;
    PageSurface surface_;
    SkinFonts fonts_;
    std::atomic<HWND> published_{nullptr};
};

}  // namespace quorvel::win32
