#include "platform/win32/main_window_win32.h"

#include <dbt.h>
#include <shellapi.h>
#include <windowsx.h>

#include <array>

#include "app/modal_dialog.h"
#include "platform/win32/sub_dialog_window.h"
#include "platform/win32/wide_text.h"

namespace quorvel::win32 {
namespace {

// {4D1E55B2-F16F-11CF-88CB-001111000030}
constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

}  // namespace

struct MainWindowTable {
    static constexpr std::array<MessageEntry<MainWindow>, 13> kEntries = {{
        {WM_INITDIALOG, &MainWindow::onInitDialog},
        {WM_PAINT, &MainWindow::onPaint},
        {WM_QUERYDRAGICON, &MainWindow::onQueryDragIcon},
        {WM_ERASEBKGND, &MainWindow::onEraseBackground},
        {kTrayNotifyMessage, &MainWindow::onTrayNotify},
        {kShowNoticeMessage, &MainWindow::onShowNotice},
        {WM_DEVICECHANGE, &MainWindow::onDeviceChange},
        {WM_COMMAND, &MainWindow::onCommand},
        {WM_CLOSE, &MainWindow::onClose},
        {WM_DESTROY, &MainWindow::onDestroy},
        {WM_LBUTTONDOWN, &MainWindow::onLButtonDown},
        {WM_NCPAINT, &MainWindow::onNcPaint},
        {WM_WINDOWPOSCHANGING, &MainWindow::onWindowPosChanging},
    }};
};

MainWindow::MainWindow(HINSTANCE instance, MainWindowServices services, SharedUiState& shared)
    : instance_(instance),
      shared_(shared),
      balloons_(services.balloons),
      dialog_(TavrinPorts{*this, *this, services.device, services.store, *this, services.pointer,
                          services.skins},
              shared) {
    icon_ = LoadIconW(instance_, MAKEINTRESOURCEW(kMainIconResource));
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

MainWindow::~MainWindow() {
    if (deviceNotify_ != nullptr)
        UnregisterDeviceNotification(deviceNotify_);
    if (mutex_ != nullptr)
        CloseHandle(mutex_);
}

bool MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        dialog_.onTaskbarCreated();
        return false;
    }
    return dispatchMessage<MainWindow>(*this, MainWindowTable::kEntries, message, wParam, lParam,
                                       result);
}

bool MainWindow::preTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && (msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd))) {
        return dialog_.preTranslateKeyDown(static_cast<unsigned>(msg.wParam));
    }
    return false;
}

void MainWindow::onCreated() {
    // The program starts in the tray. The show is refused below and the first non-client
    // paints hide it; should anything else have shown it, start-up still ends hidden.
    if (!dialog_.shownFromTray())
        hideWindow();
}

bool MainWindow::onWindowPosChanging(WPARAM, LPARAM lParam, LRESULT&) {
    // Until the tray brings it up, the dialog manager's show is refused outright. Hiding
    // a shown window is not enough: without a window manager Wine keeps it mapped for two
    // seconds while it waits for the withdrawal, and on Windows it flashes.
    auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
    if (position != nullptr && !dialog_.shownFromTray())
        position->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
    return false;
}

bool MainWindow::onInitDialog(WPARAM, LPARAM, LRESULT& result) {
    result = dialog_.onInitDialog() ? TRUE : FALSE;
    return true;
}

bool MainWindow::onPaint(WPARAM, LPARAM, LRESULT&) {
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

bool MainWindow::onQueryDragIcon(WPARAM, LPARAM, LRESULT& result) {
    result = reinterpret_cast<LRESULT>(icon_);
    return true;
}

bool MainWindow::onEraseBackground(WPARAM wParam, LPARAM, LRESULT& result) {
    result = eraseBackground(hwnd(), reinterpret_cast<HDC>(wParam), surface_);
    return true;
}

bool MainWindow::onTrayNotify(WPARAM, LPARAM lParam, LRESULT&) {
    dialog_.onTrayNotify(static_cast<unsigned>(lParam));
    return true;
}

bool MainWindow::onShowNotice(WPARAM wParam, LPARAM lParam, LRESULT&) {
    dialog_.onShowNotice(static_cast<long>(wParam), static_cast<long>(lParam));
    return true;
}

bool MainWindow::onDeviceChange(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = TRUE;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if (header == nullptr)
        return true;
    if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return true;
    const auto* iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(lParam);
    dialog_.onDeviceChange(static_cast<std::uint32_t>(wParam), header->dbch_devicetype,
                           utf8FromWide(iface->dbcc_name));
    return true;
}

bool MainWindow::onCommand(WPARAM wParam, LPARAM, LRESULT&) {
    const int command = LOWORD(wParam);
    // Enter and Escape reach here as IDOK and IDCANCEL from the dialog manager.
    if (command == IDOK || command == IDCANCEL) {
        hideWindow();
        return true;
    }
    dialog_.onCommand(command);
    return true;
}

bool MainWindow::onClose(WPARAM, LPARAM, LRESULT&) {
    dialog_.onClose();
    return true;
}

bool MainWindow::onDestroy(WPARAM, LPARAM, LRESULT&) {
    dialog_.onDestroy();
    return false;
}

bool MainWindow::onLButtonDown(WPARAM, LPARAM lParam, LRESULT&) {
    dialog_.onLButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return true;
}

bool MainWindow::onNcPaint(WPARAM, LPARAM, LRESULT& result) {
    if (!dialog_.onNcPaint())
        return false;
    result = 0;
    return true;
}

// ShellPort

void MainWindow::show(std::string_view text, std::string_view caption) {
    MessageBoxW(hwnd(), wideFromUtf8(text).c_str(), wideFromUtf8(caption).c_str(), MB_OK);
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

void MainWindow::showTrayMenu(int command, std::string_view label) {
    POINT cursor{};
    GetCursorPos(&cursor);
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return;
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), wideFromUtf8(label).c_str());
    SetForegroundWindow(hwnd());
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, hwnd(), nullptr);
    // Without a message after it, the next tray menu can fail to close when the user clicks
    // elsewhere.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    DestroyMenu(menu);
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
    ShellExecuteW(hwnd(), L"open", wideFromUtf8(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool MainWindow::runModal(ModalDialog& dialog) {
    SubDialogWindow window(instance_, dialog, shared_.skinDirectory, *this);
    return window.run(hwnd()) == DialogEnd::Ok;
}

void MainWindow::endProcess(int exitCode) {
    if (hwnd() != nullptr)
        DestroyWindow(hwnd());
    // The notification reader may be blocked in a read: end the process, not just the loop.
    ExitProcess(static_cast<UINT>(exitCode));
}

// WindowHostPort

bool MainWindow::claimSingleInstance() {
    mutex_ = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    return !(mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS);
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

bool MainWindow::createNotificationEvent() {
    // The device link owns the event; it exists from the link's construction.
    return true;
}

bool MainWindow::registerDeviceNotifications() {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    deviceNotify_ = RegisterDeviceNotificationW(hwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    return deviceNotify_ != nullptr;
}

std::string MainWindow::executablePath() {
    std::array<wchar_t, 1024> buffer{};
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
    if (length == 0 || length >= buffer.size())
        return {};
    return utf8FromWide(buffer.data());
}

ImageSize MainWindow::adoptBackground(const std::string& imagePath) {
    setUpBackground(hwnd(), imagePath, surface_);
    return ImageSize{surface_.width(), surface_.height()};
}

void MainWindow::useSkin(const std::string& directory) {
    setUpBackground(hwnd(), directory + std::string(kBasicBackground), surface_);
}

void MainWindow::createFonts(std::string_view languageCode) {
    fonts_ = SkinFonts::forLanguage(languageCode);
}

// PagesPort: the pages draw into the surface once they are built; until then the
// background itself is the page.

void MainWindow::showBasicPage() {
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindow::showAdvancedPage() {
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindow::click(int x, int y) {
    // A click on no control drags the window.
    PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(x, y));
}

}  // namespace quorvel::win32
