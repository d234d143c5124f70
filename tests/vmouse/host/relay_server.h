// The host's end of the driver's pipe: accepts the devices' connections, answers their
// requests through a handler, and pushes input reports to them.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "vmouse/relay_protocol.h"

namespace quorvel::vmouse {

struct RelayAnswer {
    bool done = false;
    std::vector<std::uint8_t> bytes;
};

class RelayServer {
  public:
    // Called on the connection's own thread, one request at a time per device.
    using Handler =
        std::function<RelayAnswer(int role, int kind, std::span<const std::uint8_t> payload)>;

    explicit RelayServer(Handler handler) : handler_(std::move(handler)) {}

    // Creates the pipe and starts accepting; "" when done, else what failed.
    std::string start();
    // False when no device of that role listens (unplugged) or the write failed.
    bool pushInput(int role, std::span<const std::uint8_t> report);
    // Ends every input connection: the driver's input threads stop before a removal.
    void dropInputs();
    // True once every device has connected its input: all three have started.
    bool allInputsConnected();

  private:
    void accept(HANDLE first);
    void serve(win32::UniqueKernelHandle pipe);
    void keepAlive();

    Handler handler_;
    std::mutex inputsMutex_;
    std::array<win32::UniqueKernelHandle, RELAY_ROLE_COUNT> inputs_;
};

// Reads one whole message: false when the connection ended or sent nonsense.
bool readMessage(HANDLE pipe, int& kind, int& role, std::vector<std::uint8_t>& payload);
bool writeMessage(HANDLE pipe, int kind, int role, std::span<const std::uint8_t> payload);

}  // namespace quorvel::vmouse
