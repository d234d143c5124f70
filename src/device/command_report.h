// The 8-byte command report, its check byte, and the framing of feature reports and chunks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvel {

namespace command_report {
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kCommand = 0;
inline constexpr std::size_t kFirstData = 1;  // P1
inline constexpr std::size_t kDataCount = 6;  // P1 to P6
inline constexpr std::size_t kCheck = 7;
// Block commands carry their data length in P2.
inline constexpr std::size_t kBlockLength = 2;
inline constexpr std::uint8_t kRequestBit = 0x80;
}  // namespace command_report

// A feature report on the wire: report identifier 0, then P0 to P7.
namespace feature_frame {
inline constexpr std::size_t kBufferSize = 16;
inline constexpr std::size_t kReportId = 0;
inline constexpr std::size_t kPayload = 1;
}  // namespace feature_frame

// A data chunk on the wire: report identifier 0, then 32 data bytes.
namespace chunk_frame {
inline constexpr std::size_t kDataSize = 32;
inline constexpr std::size_t kBufferSize = 1 + kDataSize;
inline constexpr std::size_t kReportId = 0;
inline constexpr std::size_t kData = 1;
}  // namespace chunk_frame

namespace command {
inline constexpr std::uint8_t kHandshake = 0x00;
inline constexpr std::uint8_t kReportRate = 0x01;
inline constexpr std::uint8_t kSensorWrite = 0x03;
inline constexpr std::uint8_t kSensorRead = 0x83;
inline constexpr std::uint8_t kLightingSlotWrite = 0x07;
inline constexpr std::uint8_t kLightingSlotRead = 0x87;
inline constexpr std::uint8_t kEffectWrite = 0x0D;
inline constexpr std::uint8_t kEffectRead = 0x8D;
inline constexpr std::uint8_t kStageColours = 0x10;
inline constexpr std::uint8_t kDpiCodes = 0x11;
inline constexpr std::uint8_t kKeyMatrix = 0x12;
inline constexpr std::uint8_t kMacroWrite = 0x13;
inline constexpr std::uint8_t kMacroRead = 0x93;
}  // namespace command

using ReportBytes = std::array<std::uint8_t, command_report::kSize>;

// 0xFF minus the sum of P0 to P6, so that all eight bytes add up to 0xFF.
std::uint8_t checkByte(std::span<const std::uint8_t, command_report::kSize> report);

struct CommandReport {
    ReportBytes bytes{};

    static CommandReport make(std::uint8_t command, std::uint8_t p1 = 0, std::uint8_t p2 = 0,
                              std::uint8_t p3 = 0, std::uint8_t p4 = 0, std::uint8_t p5 = 0,
                              std::uint8_t p6 = 0) {
        return CommandReport{{command, p1, p2, p3, p4, p5, p6, 0}};
    }

    std::uint8_t command() const { return bytes[command_report::kCommand]; }
    bool isRequest() const { return (command() & command_report::kRequestBit) != 0; }
    // P1 to P7 by number; numbers outside 1 to 7 read as 0 and are not written.
    std::uint8_t p(std::size_t number) const {
        return number >= 1 && number < command_report::kSize ? bytes[number] : 0;
    }
    void setP(std::size_t number, std::uint8_t value) {
        if (number >= 1 && number < command_report::kSize)
            bytes[number] = value;
    }
    std::uint8_t blockLength() const { return bytes[command_report::kBlockLength]; }
    void sealCheckByte() { bytes[command_report::kCheck] = checkByte(bytes); }
    bool checkByteValid() const { return bytes[command_report::kCheck] == checkByte(bytes); }

    friend bool operator==(const CommandReport&, const CommandReport&) = default;
};

// 32-byte chunks needed for a block of `length` bytes.
constexpr std::size_t chunkCount(std::size_t length) {
    return (length + chunk_frame::kDataSize - 1) / chunk_frame::kDataSize;
}

}  // namespace quorvel
