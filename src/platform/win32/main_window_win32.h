// The main window: its model run on the skinned-window host without an owner, with the glue
// only the main window has beside it (tray icon and menu, device-change notifications, the
// instance mutex, the icon) and the shell and window services the model asks for. Its own
// messages are decoded here into the layer's typed calls.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "app/main_window_model.h"
#include "platform/win32/skinned_host.h"
#include "platform/win32/tray_icon.h"
#include "platform/win32/unique_handle.h"

namespace quorvel::win32 {

inline constexpr int kMainIconResource = 710;
inline constexpr UINT kShowNoticeMessage = 0x0402;
inline constexpr const wchar_t* kInstanceMutexName = L"PelsaR27Mutex";

// Sees each balloon as it goes to the shell, with the shell's answer; for tests.
class BalloonObserver {
  public:
    virtual ~BalloonObserver() = default;
    virtual void balloonShown(const Balloon& balloon, bool accepted) = 0;
};

class MainWindow final : public ShellPort, public WindowHostPort, private HostExtension {
  public:
    MainWindow(HINSTANCE instance, SharedUiState& shared, BalloonObserver* balloons = nullptr);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Runs the model, whose ports are this window, until the window is destroyed.
    void run(MainWindowModel& model);
    // For the notification reader's thread.
    HWND publishedWindow() const { return published_.load(); }

    // ShellPort
    void show(std::string_view text, std::string_view caption) override;
    bool addTrayIcon(std::string_view tip) override;
    void showBalloon(const Balloon& balloon) override;
    void removeTrayIcon() override;
    void setTrayTip(std::string_view tip) override;
    void showTrayMenu(const PopupMenu& menu) override;
    std::vector<std::string> programsWithWindows() override;
    bool openFolder(const std::string& path) override;
    void showWindow() override;
    void hideWindow() override;
    void bringToForeground() override;
    void openUrl(std::string_view url) override;
    DialogEnd runModal(SkinnedWindow& model) override;
    void endProcess(int exitCode) override;

    // WindowHostPort
    bool claimSingleInstance() override;
    void setMainIcons() override;
    void makeToolWindow() override;
    void publishWindow() override;
    bool registerDeviceNotifications() override;
    std::string executablePath() override;
    ImageSize adoptBackground(const std::string& imagePath) override;
    void createFonts(std::string_view languageCode) override;
    void useSkin(const std::string& directory) override;

  private:
    // HostExtension: what the host does not do for every window.
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void onCreated() override;

    bool onPaint();
    void onDeviceChange(WPARAM wParam, LPARAM lParam);
    HWND hwnd() const { return host_ != nullptr ? host_->hwnd() : nullptr; }

    HINSTANCE instance_;
    SharedUiState& shared_;
    BalloonObserver* balloons_;
    // While run() runs.
    MainWindowModel* model_ = nullptr;
    SkinnedHost* host_ = nullptr;
    HICON icon_ = nullptr;  // a shared resource icon: never destroyed
    UniqueKernelHandle mutex_;
    UniqueDeviceNotification deviceNotify_;
    UINT taskbarCreated_ = 0;
    TrayIcon tray_;
    std::atomic<HWND> published_{nullptr};
};

}  // namespace quorvel::win32
