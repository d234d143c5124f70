#include "relay_server.h"

#include <string>
#include <thread>

namespace quorvel::vmouse {
namespace {

constexpr wchar_t kPipePath[] = L"\\\\.\\pipe\\" RELAY_PIPE_NAME;
constexpr DWORD kPipeBuffer = 4096;
// How soon a removed device's input thread learns that it may end.
constexpr DWORD kKeepAliveMs = 50;

HANDLE newInstance() {
    return CreateNamedPipeW(kPipePath, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT,
                            PIPE_UNLIMITED_INSTANCES, kPipeBuffer, kPipeBuffer, 0, nullptr);
}

bool readExactly(HANDLE pipe, std::uint8_t* bytes, DWORD length) {
    while (length > 0) {
        DWORD got = 0;
        if (!ReadFile(pipe, bytes, length, &got, nullptr) || got == 0)
            return false;
        bytes += got;
        length -= got;
    }
    return true;
}

}  // namespace

bool readMessage(HANDLE pipe, int& kind, int& role, std::vector<std::uint8_t>& payload) {
    std::uint8_t header[RELAY_HEADER_SIZE];
    if (!readExactly(pipe, header, sizeof header))
        return false;
    const DWORD length = header[RELAY_LENGTH_LOW] | (header[RELAY_LENGTH_HIGH] << 8);
    if (length > RELAY_MAX_PAYLOAD || header[RELAY_ROLE] >= RELAY_ROLE_COUNT)
        return false;
    kind = header[RELAY_KIND];
    role = header[RELAY_ROLE];
    payload.resize(length);
    return length == 0 || readExactly(pipe, payload.data(), length);
}

bool writeMessage(HANDLE pipe, int kind, int role, std::span<const std::uint8_t> payload) {
    if (payload.size() > RELAY_MAX_PAYLOAD)
        return false;
    std::vector<std::uint8_t> message{static_cast<std::uint8_t>(kind),
                                      static_cast<std::uint8_t>(role),
                                      static_cast<std::uint8_t>(payload.size()), 0};
    message.insert(message.end(), payload.begin(), payload.end());
    DWORD written = 0;
    return WriteFile(pipe, message.data(), static_cast<DWORD>(message.size()), &written, nullptr) &&
           written == message.size();
}

std::string RelayServer::start() {
    // The first instance exists before any device is plugged, so a starting driver finds it.
    HANDLE first = newInstance();
    if (first == INVALID_HANDLE_VALUE)
        return "CreateNamedPipeW failed, error " + std::to_string(GetLastError());
    std::thread([this, first] { accept(first); }).detach();
    std::thread([this] { keepAlive(); }).detach();
    return {};
}

void RelayServer::keepAlive() {
    for (;;) {
        Sleep(kKeepAliveMs);
        std::lock_guard lock(inputsMutex_);
        for (win32::UniqueKernelHandle& pipe : inputs_) {
            if (pipe && !writeMessage(pipe.get(), RELAY_KEEPALIVE, 0, {}))
                pipe.reset();  // the device went
        }
    }
}

void RelayServer::accept(HANDLE first) {
    HANDLE next = first;
    while (next != INVALID_HANDLE_VALUE) {
        win32::UniqueKernelHandle pipe(next);
        if (ConnectNamedPipe(pipe.get(), nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) {
            std::thread([this, p = std::move(pipe)]() mutable { serve(std::move(p)); }).detach();
        }
        // A listening instance is there again before the next device tries to connect.
        next = newInstance();
    }
}

void RelayServer::serve(win32::UniqueKernelHandle pipe) {
    int kind = 0;
    int role = 0;
    std::vector<std::uint8_t> payload;
    if (!readMessage(pipe.get(), kind, role, payload))
        return;
    if (kind == RELAY_HELLO_INPUT) {
        // Kept until the device goes; pushInput writes to it from other threads.
        std::lock_guard lock(inputsMutex_);
        inputs_[static_cast<std::size_t>(role)] = std::move(pipe);
        return;
    }
    if (kind != RELAY_HELLO_REQUESTS)
        return;
    // Ends when the driver closes the connection, at the device's removal.
    while (readMessage(pipe.get(), kind, role, payload)) {
        const RelayAnswer answer = handler_(role, kind, payload);
        std::vector<std::uint8_t> reply{
            static_cast<std::uint8_t>(answer.done ? RELAY_STATUS_DONE : RELAY_STATUS_FAILED)};
        reply.insert(reply.end(), answer.bytes.begin(), answer.bytes.end());
        if (!writeMessage(pipe.get(), RELAY_ANSWER, role, reply))
            return;
    }
}

bool RelayServer::pushInput(int role, std::span<const std::uint8_t> report) {
    std::lock_guard lock(inputsMutex_);
    win32::UniqueKernelHandle& pipe = inputs_[static_cast<std::size_t>(role)];
    if (!pipe)
        return false;
    if (writeMessage(pipe.get(), RELAY_INPUT, role, report))
        return true;
    pipe.reset();  // the device went
    return false;
}

bool RelayServer::allInputsConnected() {
    std::lock_guard lock(inputsMutex_);
    for (const win32::UniqueKernelHandle& pipe : inputs_) {
        if (!pipe)
            return false;
    }
    return true;
}

void RelayServer::dropInputs() {
    std::lock_guard lock(inputsMutex_);
    for (win32::UniqueKernelHandle& pipe : inputs_) {
        if (pipe) {
            // The driver's read ends either way once the handle is closed.
            (void)DisconnectNamedPipe(pipe.get());
            pipe.reset();
        }
    }
}

}  // namespace quorvel::vmouse
