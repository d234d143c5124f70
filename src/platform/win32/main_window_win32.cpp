#include "platform/win32/main_window_win32.h"

#include <dbt.h>
#include <shellapi.h>

#include <array>

#include "platform/win32/files_win32.h"
#include "platform/win32/hid_system_win32.h"
#include "platform/win32/owner_focus.h"
#include "platform/win32/popup_menu_win32.h"
#include "platform/win32/running_programs_win32.h"
#include "platform/win32/wide_text.h"
#include "ui/skin_images.h"

namespace quorvel::win32 {

MainWindow::MainWindow(HINSTANCE instance, SharedUiState& shared, BalloonObserver* balloons)
    : instance_(instance), shared_(shared), balloons_(balloons) {
    icon_ = LoadIconW(instance_, MAKEINTRESOURCEW(kMainIconResource));
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

void MainWindow::run(MainWindowModel& model) {
    SkinnedHost host(instance_, model, shared_, *this, this);
    model_ = &model;
    host_ = &host;
    host.runMain();
    host_ = nullptr;
    model_ = nullptr;
}

bool MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        model_->onShellRestart(*host_);
        return false;
    }
    switch (message) {
        case WM_PAINT:
            return onPaint();
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(icon_);
            return true;
        case kTrayNotifyMessage:
            model_->onTrayNotify(static_cast<unsigned>(lParam), *host_);
            return true;
        case kShowNoticeMessage:
            model_->onNotice(static_cast<long>(wParam), static_cast<long>(lParam), *host_);
            return true;
        case WM_DEVICECHANGE:
            onDeviceChange(wParam, lParam);
            result = TRUE;
            return true;
        case WM_WINDOWPOSCHANGING: {
            // Until the tray brings it up, the dialog manager's show is refused outright.
            // Hiding a shown window is not enough: without a window manager Wine keeps it
            // mapped for two seconds while it waits for the withdrawal, and on Windows it
            // flashes.
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            if (position != nullptr && !model_->shownFromTray())
                position->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
            return false;
        }
        default:
            return false;
    }
}

void MainWindow::onCreated() {
    // The program starts in the tray. The show is refused above and the first non-client
    // paints hide it; should anything else have shown it, start-up still ends hidden.
    if (!model_->shownFromTray())
        hideWindow();
}

bool MainWindow::onPaint() {
    if (!IsIconic(hwnd()))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    RECT client;
    GetClientRect(hwnd(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(hwnd(), &paint);
    return true;
}

void MainWindow::onDeviceChange(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    const auto* iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(lParam);
    model_->onDeviceChange(static_cast<std::uint32_t>(wParam), header->dbch_devicetype,
                           utf8FromWide(iface->dbcc_name), *host_);
}

// ShellPort

void MainWindow::show(std::string_view text, std::string_view caption) {
    const HWND covered = GetActiveWindow();
    {
        const OwnerFocusKeeper keeper(hwnd());
        // An unshown box leaves nothing to answer; MB_OK has no answer to read.
        (void)MessageBoxW(hwnd(), wideFromUtf8(text).c_str(), wideFromUtf8(caption).c_str(), MB_OK);
    }
    // The window the box covered gets the activation back, as Windows gives it to an owner.
    if (covered != nullptr && IsWindowVisible(covered))
        (void)SetForegroundWindow(covered);
}

bool MainWindow::addTrayIcon(std::string_view tip) {
    return tray_.add(hwnd(), icon_, tip);
}

void MainWindow::showBalloon(const Balloon& balloon) {
    const bool accepted = tray_.showBalloon(balloon.text, balloon.title, balloon.timeoutMs);
    if (balloons_ != nullptr)
        balloons_->balloonShown(balloon, accepted);
}

void MainWindow::removeTrayIcon() {
    tray_.remove();
}

void MainWindow::setTrayTip(std::string_view tip) {
    // An icon the shell refused keeps no tip; the next add takes the model's tip anyway.
    (void)tray_.setTip(tip);
}

void MainWindow::showTrayMenu(const PopupMenu& menu) {
    (void)showPopupMenu(hwnd(), menu);
}

std::vector<std::string> MainWindow::programsWithWindows() {
    return programsWithVisibleWindows();
}

bool MainWindow::openFolder(const std::string& path) {
    const std::wstring wide = wideFromUtf8(path);
    // Already there is the usual case; any other failure shows when opening it fails.
    (void)CreateDirectoryW(wide.c_str(), nullptr);
    // Above 32 is success.
    return reinterpret_cast<INT_PTR>(
               ShellExecuteW(hwnd(), L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

void MainWindow::showWindow() {
    ShowWindow(hwnd(), SW_SHOW);
}

void MainWindow::hideWindow() {
    ShowWindow(hwnd(), SW_HIDE);
}

void MainWindow::bringToForeground() {
    SetForegroundWindow(hwnd());
}

void MainWindow::openUrl(std::string_view url) {
    // No browser to open the page leaves nothing else to do; the user can still type it.
    (void)ShellExecuteW(hwnd(), L"open", wideFromUtf8(url).c_str(), nullptr, nullptr,
                        SW_SHOWNORMAL);
}

DialogEnd MainWindow::runModal(SkinnedWindow& model) {
    SkinnedHost dialog(instance_, model, shared_, *this);
    return dialog.runModalOver(hwnd());
}

void MainWindow::endProcess(int exitCode) {
    if (hwnd() != nullptr)
        DestroyWindow(hwnd());
    // The notification reader may be blocked in a read: end the process, not just the loop.
    ExitProcess(static_cast<UINT>(exitCode));
}

// WindowHostPort

bool MainWindow::claimSingleInstance() {
    mutex_.reset(CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    return !(mutex_.valid() && GetLastError() == ERROR_ALREADY_EXISTS);
}

void MainWindow::setMainIcons() {
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void MainWindow::makeToolWindow() {
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, (style & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    // The shell runs without elevation: let its restart broadcast through to us.
    if (taskbarCreated_ != 0)
        ChangeWindowMessageFilterEx(hwnd(), taskbarCreated_, MSGFLT_ALLOW, nullptr);
}

void MainWindow::publishWindow() {
    published_.store(hwnd());
}

bool MainWindow::registerDeviceNotifications() {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    deviceNotify_.reset(RegisterDeviceNotificationW(hwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    return deviceNotify_.valid();
}

std::string MainWindow::executablePath() {
    return win32::executablePath();
}

ImageSize MainWindow::adoptBackground(const std::string& imagePath) {
    host_->adoptBackground(imagePath);
    return ImageSize{host_->surface().width(), host_->surface().height()};
}

void MainWindow::useSkin(const std::string& directory) {
    host_->adoptBackground(directory + std::string(skin_image::kBasicBackground));
}

void MainWindow::createFonts(std::string_view languageCode) {
    host_->createFonts(languageCode);
}

}  // namespace quorvel::win32
