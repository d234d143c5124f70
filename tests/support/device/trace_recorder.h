// Collects the device link's trace as lines, the same text the stream writer produces.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "device/wire_trace.h"

namespace quorvel::testing {

class TraceRecorder : public WireObserver {
  public:
    void featureSet(std::span<const std::uint8_t> r) override {
        lines.push_back(traceLine(trace_tag::kFeatureSet, r));
    }
    void featureGet(std::span<const std::uint8_t> r) override {
        lines.push_back(traceLine(trace_tag::kFeatureGet, r));
    }
    void chunkWritten(std::span<const std::uint8_t> d) override {
        lines.push_back(traceLine(trace_tag::kWrite, d));
    }
    void chunkRead(std::span<const std::uint8_t> d) override {
        lines.push_back(traceLine(trace_tag::kRead, d));
    }
    void slept(std::uint32_t ms) override { lines.push_back(sleepLine(ms)); }

    // The lines without the waits: what a device sees.
    std::vector<std::string> exchanges() const {
        std::vector<std::string> out;
        for (const std::string& line : lines)
            if (line.rfind(trace_tag::kSleep, 0) != 0)
                out.push_back(line);
        return out;
    }

    std::vector<std::string> lines;
};

}  // namespace quorvel::testing
