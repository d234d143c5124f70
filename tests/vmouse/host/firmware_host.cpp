// The virtual mouse's firmware host: the simulated mouse's firmware behind the virtual HID
// device. It plugs the device in at start, answers what the driver relays, writes the mouse's
// side of the wire to a trace, and takes commands from files in a control folder:
//   notify KIND VALUE   the mouse sends a notification (a button pressed on it)
//   unplug, plug        the device goes away, comes back
//   stall on|off        feature reads fail, as with a mouse that does not answer them
//   handles EXE         writes the running EXE's handles to "handles", a "Kind count" line a kind
//   quit                unplug and end
// A command is a file named "command"; the host runs it, writes "ok" or what failed to
// "result", then deletes "command". "ready" holds the start's outcome the same way.
//
// Usage: quorvel_vmouse_host.exe --control DIR [--trace FILE] [--sensor N] [--silent]
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "device_installer.h"
#include "handle_count.h"
#include "platform/win32/wide_text.h"
#include "relay_server.h"
#include "sim/simulated_mouse.h"

namespace quorvel::vmouse {
namespace {

struct HostOptions {
    std::wstring control;
    std::wstring trace;
    sim::SimOptions mouse;
};

bool parse(int argc, wchar_t** argv, HostOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == L"--control" && hasValue) {
            options.control = argv[++i];
        } else if (word == L"--trace" && hasValue) {
            options.trace = argv[++i];
        } else if (word == L"--sensor" && hasValue) {
            options.mouse.sensorType = static_cast<std::uint8_t>(_wtoi(argv[++i]));
        } else if (word == L"--silent") {
            options.mouse.wireFault = sim::WireFault::Silent;
        } else {
            return false;
        }
    }
    return !options.control.empty();
}

std::wstring besideExecutable(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

class FirmwareHost {
  public:
    explicit FirmwareHost(const HostOptions& options)
        : options_(options),
          mouse_(options.mouse),
          relay_([this](int role, int kind, std::span<const std::uint8_t> payload) {
              return answer(role, kind, payload);
          }) {
        if (!options_.trace.empty())
            trace_.open(utf8FromWideString(options_.trace), std::ios::binary | std::ios::trunc);
        command_ = mouse_.open(sim::kCommandPath, HidAccess::ReadWrite, HidIoMode::Synchronous);
        notification_ = mouse_.open(sim::kNotificationPath, HidAccess::Read, HidIoMode::Overlapped);
        wake_ = mouse_.createEvent();
    }

    std::string start() {
        if (command_ == nullptr || notification_ == nullptr || wake_ == nullptr)
            return "the simulated mouse did not open";
        // A device left behind by a host that was killed would find no pipe and not start.
        if (std::string error = unplugDevices(); !error.empty())
            return error;
        if (std::string error = relay_.start(); !error.empty())
            return error;
        std::thread([this] { forwardNotifications(); }).detach();
        return plug();
    }

    // Runs one control command; "" when done.
    std::string run(const std::string& line) {
        std::istringstream words(line);
        std::string verb;
        words >> verb;
        if (verb == "notify") {
            int kind = 0;
            int value = 0;
            if (!(words >> kind >> value))
                return "notify needs KIND VALUE";
            mouse_.sendNotification(static_cast<std::uint8_t>(kind),
                                    static_cast<std::uint8_t>(value));
            return {};
        }
        if (verb == "unplug" || verb == "quit") {
            mouse_.unplug();
            relay_.dropInputs();
            return unplugDevices();
        }
        if (verb == "plug") {
            mouse_.plugIn();
            wake_->set();  // the notification forwarder sleeps while unplugged
            return plug();
        }
        if (verb == "stall") {
            std::string state;
            words >> state;
            stalled_.store(state == "on");
            return {};
        }
        if (verb == "handles") {
            std::string executable;
            words >> executable;
            std::string error;
            const std::optional<std::map<std::string, unsigned>> counts =
                handlesByType(std::wstring(executable.begin(), executable.end()), error);
            if (!counts)
                return error;
            // One line a kind: "File 9".
            std::ofstream out(win32::utf8FromWide((options_.control + L"\\handles").c_str()));
            for (const auto& [kind, count] : *counts)
                out << kind << ' ' << count << '\n';
            if (!out.flush())
                return "the handle counts could not be written";
            return {};
        }
        return "unknown command: " + line;
    }

  private:
    // Installs the devices and waits until all have started (connected to the relay) and
    // their interfaces are listed, so a case sees them when the command is done.
    std::string plug() {
        const ULONGLONG began = GetTickCount64();
        if (std::string error = plugDevices(besideExecutable(L"quorvel_vmouse.inf"));
            !error.empty())
            return error;
        fprintf(stderr, "quorvel_vmouse_host: installed in %llu ms\n", GetTickCount64() - began);
        // Started is not yet listed: the class driver adds each interface after its start.
        for (int waited = 0; waited < 20000; waited += 10) {
            if (relay_.allInputsConnected() && presentInterfaces() == RELAY_ROLE_COUNT)
                return {};
            Sleep(10);
        }
        return "the devices were installed but not all started and listed within 20 s";
    }

    static std::string utf8FromWideString(const std::wstring& wide) {
        return win32::utf8FromWide(wide.c_str());
    }

    RelayAnswer answer(int role, int kind, std::span<const std::uint8_t> payload) {
        if (role != RELAY_ROLE_COMMAND)
            return {};  // the other collections have no feature or output reports
        std::lock_guard lock(firmwareMutex_);
        RelayAnswer result;
        // The class driver strips the identifier byte (0) of this collection's reports.
        std::vector<std::uint8_t> report{0};
        if (kind == RELAY_SET_FEATURE || kind == RELAY_WRITE) {
            report.insert(report.end(), payload.begin(), payload.end());
            result.done = kind == RELAY_SET_FEATURE ? command_->setFeature(report)
                                                    : command_->writeOutput(report);
        } else if (kind == RELAY_GET_FEATURE && payload.size() == 1 && !stalled_.load()) {
            report.resize(1u + payload[0]);
            result.done = command_->getFeature(report);
            result.bytes.assign(report.begin() + 1, report.end());
        }
        writeTrace();
        // A block's chunks follow the answer to its header, as the firmware streams them.
        if (kind == RELAY_GET_FEATURE)
            sendChunks();
        return result;
    }

    void sendChunks() {
        std::vector<std::uint8_t> chunk(sim::kCommandChunkLength);
        while (command_->readInput(chunk, nullptr) > 0) {
            writeTrace();
            (void)relay_.pushInput(RELAY_ROLE_COMMAND, std::span(chunk).subspan(1));
        }
    }

    void forwardNotifications() {
        std::vector<std::uint8_t> report(options_.mouse.notificationLength);
        for (;;) {
            wake_->reset();
            const std::size_t n = notification_->readInput(report, wake_.get());
            if (n > 0)
                (void)relay_.pushInput(RELAY_ROLE_NOTIFICATION, std::span(report).first(n));
        }
    }

    // Called with the firmware's lock held.
    void writeTrace() {
        if (!trace_.is_open())
            return;
        mouse_.writeLog(trace_);
        mouse_.clearLog();
        trace_.flush();
    }

    HostOptions options_;
    sim::SimulatedMouse mouse_;
    RelayServer relay_;
    std::mutex firmwareMutex_;
    std::ofstream trace_;
    std::unique_ptr<HidDevice> command_;
    std::unique_ptr<HidDevice> notification_;
    std::unique_ptr<WakeEvent> wake_;
    std::atomic<bool> stalled_{false};
};

// Whole or not at all: a case waits for the file to appear, then reads it at once.
void writeFile(const std::wstring& path, const std::string& text) {
    const std::wstring partial = path + L".new";
    {
        std::ofstream out(win32::utf8FromWide(partial.c_str()), std::ios::trunc);
        out << text << '\n';
        if (!out.flush()) {
            fprintf(stderr, "quorvel_vmouse_host: %s could not be written\n",
                    win32::utf8FromWide(partial.c_str()).c_str());
            return;
        }
    }
    if (!MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        fprintf(stderr, "quorvel_vmouse_host: MoveFileExW failed, error %lu\n", GetLastError());
}

// The next command in the control folder, if one is there.
bool takeCommand(const std::wstring& folder, std::string& line) {
    std::ifstream in(win32::utf8FromWide((folder + L"\\command").c_str()));
    if (!in)
        return false;
    std::getline(in, line);
    return true;
}

}  // namespace
}  // namespace quorvel::vmouse

int wmain(int argc, wchar_t** argv) {
    using namespace quorvel::vmouse;
    HostOptions options;
    if (!parse(argc, argv, options)) {
        fprintf(stderr,
                "usage: quorvel_vmouse_host --control DIR [--trace FILE] [--sensor N] "
                "[--silent]\n");
        return 2;
    }
    FirmwareHost host(options);
    const std::string started = host.start();
    writeFile(options.control + L"\\ready", started.empty() ? "ok" : started);
    if (!started.empty()) {
        fprintf(stderr, "quorvel_vmouse_host: %s\n", started.c_str());
        (void)host.run("quit");
        return 1;
    }
    for (;;) {
        std::string line;
        if (!takeCommand(options.control, line)) {
            Sleep(10);
            continue;
        }
        const ULONGLONG began = GetTickCount64();
        const std::string result = host.run(line);
        fprintf(stderr, "quorvel_vmouse_host: %s: %s in %llu ms\n", line.c_str(),
                result.empty() ? "ok" : result.c_str(), GetTickCount64() - began);
        fflush(stderr);
        writeFile(options.control + L"\\result", result.empty() ? "ok" : result);
        if (!DeleteFileW((options.control + L"\\command").c_str()))
            fprintf(stderr, "quorvel_vmouse_host: the command file stays, error %lu\n",
                    GetLastError());
        if (line == "quit")
            return result.empty() ? 0 : 1;
    }
}
