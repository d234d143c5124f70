#include "device/wire_trace.h"

namespace quorvel {

std::string traceLine(std::string_view tag, std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string line(tag);
    line.reserve(tag.size() + bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        line += ' ';
        line += kDigits[b >> 4];
        line += kDigits[b & 0x0F];
    }
    return line;
}

std::string sleepLine(std::uint32_t ms) {
    return std::string(trace_tag::kSleep) + ' ' + std::to_string(ms);
}

void WireTraceWriter::featureSet(std::span<const std::uint8_t> report) {
    out_ << traceLine(trace_tag::kFeatureSet, report) << '\n';
}

void WireTraceWriter::featureGet(std::span<const std::uint8_t> report) {
    out_ << traceLine(trace_tag::kFeatureGet, report) << '\n';
}

void WireTraceWriter::chunkWritten(std::span<const std::uint8_t> data) {
    out_ << traceLine(trace_tag::kWrite, data) << '\n';
}

void WireTraceWriter::chunkRead(std::span<const std::uint8_t> data) {
    out_ << traceLine(trace_tag::kRead, data) << '\n';
}

void WireTraceWriter::slept(std::uint32_t ms) {
    out_ << sleepLine(ms) << '\n';
}

}  // namespace quorvel
