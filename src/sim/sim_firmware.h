// The simulated mouse's firmware: what it stores and how it answers plain command reports.
// Moving bytes, scrambling and faults of the wire are the simulated mouse's other half.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "config/mouse_config.h"
#include "device/apply_sequence.h"
#include "device/command_report.h"
#include "device/device_link.h"

namespace quorvel::sim {

using Chunk = std::array<std::uint8_t, chunk_frame::kDataSize>;

// How the firmware answers a macro read-back: as it should, naming what does not fit, or
// announcing data it never sends.
enum class ReadBackFault : std::uint8_t { None, SlotZero, SlotThirteen, Length255, NoData };

struct FirmwareState {
    std::uint8_t reportRate = 1;
    SensorInformation sensor;
    std::uint8_t effect = 0;
    std::uint8_t effectOption1 = 0;
    std::uint8_t effectOption2 = 0;
    std::array<LightingSlot, kLightingSlotCount> slots{};
    std::array<std::uint8_t, kStageColourBlockSize> stageColours{};
    int emptyColourBlocks = 0;  // index-0 colour blocks received
    std::array<std::uint8_t, kDpiBlockSize> dpiBlock{};
    std::array<MacroSlotBytes, kMacroSlotCount> macros{};
    std::array<std::array<std::uint8_t, kKeyMatrixSize>, kKeyMatrixCount> matrices{};
    int rejectedReports = 0;  // wrong check byte or unknown command
};

class SimFirmware {
  public:
    FirmwareState& state() { return state_; }
    const FirmwareState& state() const { return state_; }
    void setReadBackFault(ReadBackFault fault) { readBackFault_ = fault; }

    // A plain command report (check byte included). Returns the answer of a request.
    std::optional<ReportBytes> command(const ReportBytes& report);
    // The data of one output report; belongs to the block announced last.
    void chunk(std::span<const std::uint8_t> data);
    // The next input report of a block read, if one is due.
    std::optional<Chunk> nextReadChunk();
    bool blockPending() const { return blockExpected_ > 0; }

  private:
    void startBlock(std::uint8_t command, std::uint8_t index, std::uint8_t length);
    void finishBlock();
    ReportBytes answer(std::uint8_t command, std::uint8_t p1 = 0, std::uint8_t p2 = 0,
                       std::uint8_t p3 = 0, std::uint8_t p4 = 0);
    ReportBytes macroReadAnswer(std::uint8_t number);

    FirmwareState state_;
    ReadBackFault readBackFault_ = ReadBackFault::None;
    std::uint8_t blockCommand_ = 0;
    std::uint8_t blockIndex_ = 0;
    std::size_t blockExpected_ = 0;  // bytes still to come, in whole chunks
    std::array<std::uint8_t, 256> blockData_{};
    std::size_t blockReceived_ = 0;
    std::deque<Chunk> readChunks_;
};

}  // namespace quorvel::sim
