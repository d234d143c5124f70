// Program: starts the process, registers the main window class, runs the main window.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/modal_skin_chooser.h"
#include "app/module_adapters.h"
#include "app/program_options.h"
#include "app/tray_menu_actions.h"
#include "device/wire_trace.h"
#include "dialogs/key_dialogs.h"
#include "macro/macro_library.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/directory_listing_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/foreground_watch.h"
#include "platform/win32/gdiplus_api.h"
#include "platform/win32/hid_system_win32.h"
#include "platform/win32/main_window_win32.h"
#include "platform/win32/page_window_services.h"
#include "platform/win32/system_pointer_win32.h"
#include "platform/win32/wide_text.h"
#include "profile/profile_store.h"
#include "sim/simulated_mouse.h"

namespace quorvel::win32 {
namespace {

constexpr const wchar_t* kMainWindowClass = L"Z7qdGMClass";
constexpr ATOM kSystemDialogClass = 0x8002;

class SystemMessageBox : public MessageBoxPort {
  public:
    void show(std::string_view text, std::string_view caption) override {
        // An OK-only box: the one answer carries nothing.
        (void)MessageBoxW(nullptr, wideFromUtf8(text).c_str(), wideFromUtf8(caption).c_str(),
                          MB_OK);
    }
};

// Flushes every line, so a test can read the trace while the program runs.
class FileTrace : public WireObserver {
  public:
    explicit FileTrace(const std::wstring& path)
        : file_(std::filesystem::path(path)), writer_(file_) {}
    bool open() const { return file_.is_open(); }
    void featureSet(std::span<const std::uint8_t> r) override { writer_.featureSet(r), flush(); }
    void featureGet(std::span<const std::uint8_t> r) override { writer_.featureGet(r), flush(); }
    void chunkWritten(std::span<const std::uint8_t> d) override {
        writer_.chunkWritten(d), flush();
    }
    void chunkRead(std::span<const std::uint8_t> d) override { writer_.chunkRead(d), flush(); }
    void slept(std::uint32_t ms) override { writer_.slept(ms), flush(); }

  private:
    void flush() { file_.flush(); }
    std::ofstream file_;
    WireTraceWriter writer_;
};

// One line per balloon, "title<TAB>time-out<TAB>text", and only those the shell took;
// appended, so a second copy that starts and ends leaves the first one's lines.
class FileBalloonTrace : public BalloonObserver {
  public:
    explicit FileBalloonTrace(const std::wstring& path)
        : file_(std::filesystem::path(path), std::ios::binary | std::ios::app) {}
    bool open() const { return file_.is_open(); }
    void balloonShown(const Balloon& balloon, bool accepted) override {
        if (!accepted)
            return;
        file_ << balloon.title << '\t' << balloon.timeoutMs << '\t' << balloon.text << '\n';
        file_.flush();
    }

  private:
    std::ofstream file_;
};

std::wstring environment(const wchar_t* name) {
    std::wstring value(1024, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), value.size());
    if (length == 0 || length >= value.size())
        return {};
    value.resize(length);
    return value;
}

ProgramOptions commandLineOptions() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 1; arguments != nullptr && i < count; ++i)
        words.push_back(utf8FromWide(arguments[i]));
    (void)LocalFree(arguments);  // a failed free leaks one small block, once
    ProgramOptions options = parseProgramOptions(words);
    if (environment(L"QUORVEL_DEVICE") == L"sim")
        options.simulate = true;
    return options;
}

class Program {
  public:
    // The whole program; false, so the process ends once the main window is gone.
    bool initInstance(HINSTANCE instance) {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = 0xFF;
        // The skinned windows use only the base controls, which are there without it.
        (void)InitCommonControlsEx(&controls);

        WNDCLASSW windowClass{};
        if (!GetClassInfoW(nullptr, MAKEINTATOM(kSystemDialogClass), &windowClass))
            return false;
        windowClass.lpszClassName = kMainWindowClass;
        if (RegisterClassW(&windowClass) == 0)
            return false;

        gdiplus_ = std::make_unique<GdiplusSession>();
        run(instance);
        return false;
    }

    void exitInstance() { gdiplus_.reset(); }

  private:
    void run(HINSTANCE instance) {
        std::unique_ptr<HidSystem> hid;
        const ProgramOptions options = commandLineOptions();
        if (options.simulate) {
            sim::SimOptions simulated;
            simulated.sensorType = options.sensorType;
            hid = std::make_unique<sim::SimulatedMouse>(simulated);
        } else {
            hid = std::make_unique<Win32HidSystem>();
        }
        Win32Clock clock;
        SystemMessageBox messages;
        DeviceLink link(*hid, messages, clock);
        std::unique_ptr<FileTrace> trace;
        const std::wstring tracePath = environment(L"QUORVEL_SIM_TRACE");
        if (!tracePath.empty()) {
            trace = std::make_unique<FileTrace>(tracePath);
            if (trace->open())
                link.setObserver(trace.get());
        }

        MainWindow* window = nullptr;
        LinkDeviceControl device(link, [&window](std::uint8_t kind, std::uint8_t value) {
            // Synchronous: the reader waits until the notice is shown.
            if (window != nullptr && window->publishedWindow() != nullptr) {
                SendMessageW(window->publishedWindow(), kShowNoticeMessage, kind, value);
            }
        });
        Win32FilesPort files;
        FileSettingsStore store(files, messages, executablePath());
        Win32SystemPointer systemPointer;
        SystemPointerSettings pointer(systemPointer, messages);
        SharedUiState shared;
        std::unique_ptr<FileBalloonTrace> balloons;
        const std::wstring balloonPath = environment(L"QUORVEL_NOTICE_TRACE");
        if (!balloonPath.empty()) {
            balloons = std::make_unique<FileBalloonTrace>(balloonPath);
            if (!balloons->open())
                balloons.reset();
        }
        // The main window runs the sub-dialogs over itself.
        MainWindow main(instance, shared, balloons.get());
        Win32DirectoryListing listing;
        ModalSkinChooser skins(main, listing, shared, executablePath());
        // The macro-key dialog lists record.ini as it is when the dialog opens; the advanced
        // page edits it through the same library.
        MacroLibrary macros(files, store.paths().recordFile, shared.records.live);
        ModalKeyDialogs keyDialogs(main, shared, macros);
        ProfileStore profileStore(files, listing, profilesFolderBeside(store.paths().directory));
        LinkSwitchDevice switchDevice(device, shared.records);
        ProfileSwitcher* switcherOfWatch = nullptr;
        ForegroundWatch watch([&switcherOfWatch](std::string_view program) {
            if (switcherOfWatch != nullptr)
                switcherOfWatch->onForegroundProgram(program);
        });
        ProfileSwitcher switcher(profileStore, files, switchDevice, watch);
        switcherOfWatch = &switcher;
        PageWindowServices pageWindow;
        TrayMenuActions trayMenu(main, switcher, profileStore,
                                 std::string(fileNameOfPath(store.paths().executable)));
        MainWindowModel model(
            MainWindowPorts{main, main, device, store, pointer, skins, keyDialogs, systemPointer,
                            macros, pageWindow, pageWindow, &switcher, &trayMenu},
            shared);
        pageWindow.attach([&main]() { return main.publishedWindow(); });
        window = &main;
        main.run(model);
    }

    std::unique_ptr<GdiplusSession> gdiplus_;
};

}  // namespace
}  // namespace quorvel::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Elevated: never take a DLL from beside the exe or the current directory.
    // Refused only for flags it does not know, and these are fixed.
    (void)SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    quorvel::win32::Program app;
    app.initInstance(instance);
    app.exitInstance();
    return 0;
}
