#include "sim/sim_firmware.h"

#include <algorithm>

namespace quorvel::sim {
namespace {

constexpr std::uint8_t kReadBackLength = static_cast<std::uint8_t>(kMacroBlockSize);
constexpr std::uint8_t kOverlongLength = 255;
constexpr std::uint8_t kSlotBelowRange = 0;
constexpr std::uint8_t kSlotAboveRange = kMacroSlotCount + 1;

bool isBlockCommand(std::uint8_t c) {
    return c == command::kStageColours || c == command::kDpiCodes || c == command::kKeyMatrix ||
           c == command::kMacroWrite;
}

}  // namespace

ReportBytes SimFirmware::answer(std::uint8_t command, std::uint8_t p1, std::uint8_t p2,
                                std::uint8_t p3, std::uint8_t p4) {
    CommandReport report = CommandReport::make(command, p1, p2, p3, p4);
    report.sealCheckByte();
    return report.bytes;
}

std::optional<ReportBytes> SimFirmware::command(const ReportBytes& bytes) {
    const CommandReport report{bytes};
    if (!report.checkByteValid()) {
        ++state_.rejectedReports;
        return std::nullopt;
    }
    // A new command ends any block whose chunks did not all arrive.
    blockExpected_ = 0;
    const std::uint8_t c = report.command();
    if (isBlockCommand(c)) {
        startBlock(c, report.p(1), report.blockLength());
        return std::nullopt;
    }
    switch (c) {
        case command::kReportRate:
            state_.reportRate = report.p(1);
            return std::nullopt;
        case command::kSensorWrite:
            state_.sensor = {report.p(1), report.p(2), report.p(3), report.p(4)};
            return std::nullopt;
        case command::kSensorRead:
            return answer(c, state_.sensor.sensorType, state_.sensor.rate, state_.sensor.option1,
                          state_.sensor.option2);
        case command::kLightingSlotWrite:
            if (report.p(1) < kLightingSlotCount)
                state_.slots[report.p(1)] = {report.p(2), report.p(3), report.p(4)};
            return std::nullopt;
        case command::kLightingSlotRead: {
            const std::uint8_t slot = report.p(1) < kLightingSlotCount ? report.p(1) : 0;
            const LightingSlot& v = state_.slots[slot];
            return answer(c, slot, v[0], v[1], v[2]);
        }
        case command::kEffectWrite:
            state_.effect = report.p(1);
            state_.effectOption1 = report.p(2);
            state_.effectOption2 = report.p(3);
            return std::nullopt;
        case command::kEffectRead:
            return answer(c, state_.effect, state_.effectOption1, state_.effectOption2);
        case command::kMacroRead:
            return macroReadAnswer(report.p(1));
        default:
            ++state_.rejectedReports;
            return std::nullopt;
    }
}

ReportBytes SimFirmware::macroReadAnswer(std::uint8_t number) {
    readChunks_.clear();
    std::uint8_t named = number;
    std::uint8_t length = kReadBackLength;
    if (readBackFault_ == ReadBackFault::SlotZero)
        named = kSlotBelowRange;
    if (readBackFault_ == ReadBackFault::SlotThirteen)
        named = kSlotAboveRange;
    if (readBackFault_ == ReadBackFault::Length255)
        length = kOverlongLength;

    std::array<std::uint8_t, 256> data{};
    if (number >= 1 && number <= kMacroSlotCount) {
        const MacroSlotBytes& macro = state_.macros[number - 1u];
        std::copy(macro.begin(), macro.end(), data.begin());
    }
    // Past the stored macro an over-long answer carries a recognisable filler.
    std::fill(data.begin() + kMacroBlockSize, data.end(), std::uint8_t{0xEE});
    const std::size_t chunks = readBackFault_ == ReadBackFault::NoData ? 0 : chunkCount(length);
    for (std::size_t i = 0; i < chunks; ++i) {
        Chunk chunk{};
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(i * chunk.size()), chunk.size(),
                    chunk.begin());
        readChunks_.push_back(chunk);
    }
    return answer(command::kMacroRead, named, length);
}

void SimFirmware::startBlock(std::uint8_t command, std::uint8_t index, std::uint8_t length) {
    blockCommand_ = command;
    blockIndex_ = index;
    blockData_.fill(0);
    blockReceived_ = 0;
    blockExpected_ = chunkCount(length) * chunk_frame::kDataSize;
    if (blockExpected_ == 0)
        finishBlock();
}

void SimFirmware::chunk(std::span<const std::uint8_t> data) {
    if (blockExpected_ == 0) {
        ++state_.rejectedReports;  // a chunk nobody announced
        return;
    }
    const std::size_t n = std::min({data.size(), chunk_frame::kDataSize, blockExpected_});
    std::copy_n(data.begin(), n, blockData_.begin() + static_cast<std::ptrdiff_t>(blockReceived_));
    blockReceived_ += chunk_frame::kDataSize;
    blockExpected_ -= chunk_frame::kDataSize;
    if (blockExpected_ == 0)
        finishBlock();
}

void SimFirmware::finishBlock() {
    switch (blockCommand_) {
        case command::kStageColours:
            if (blockIndex_ == kStageColourIndexEmpty)
                ++state_.emptyColourBlocks;
            if (blockIndex_ == kStageColourIndexData)
                std::copy_n(blockData_.begin(), state_.stageColours.size(),
                            state_.stageColours.begin());
            break;
        case command::kDpiCodes:
            std::copy_n(blockData_.begin(), state_.dpiBlock.size(), state_.dpiBlock.begin());
            break;
        case command::kKeyMatrix:
            if (blockIndex_ >= 1 && blockIndex_ <= kKeyMatrixCount)
                std::copy_n(blockData_.begin(), kKeyMatrixSize,
                            state_.matrices[blockIndex_ - 1u].begin());
            break;
        case command::kMacroWrite:
            if (blockIndex_ >= 1 && blockIndex_ <= kMacroSlotCount)
                std::copy_n(blockData_.begin(), kMacroBlockSize,
                            state_.macros[blockIndex_ - 1u].begin());
            break;
        default:
            break;
    }
}

std::optional<Chunk> SimFirmware::nextReadChunk() {
    if (readChunks_.empty())
        return std::nullopt;
    Chunk chunk = readChunks_.front();
    readChunks_.pop_front();
    return chunk;
}

}  // namespace quorvel::sim
