// Every exchange of the device link, as an observer interface and as one text line each.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

namespace quorvel {

class WireObserver {
  public:
    virtual ~WireObserver() = default;
    // Command reports in plain form, check byte included.
    virtual void featureSet(std::span<const std::uint8_t> report) = 0;
    virtual void featureGet(std::span<const std::uint8_t> report) = 0;
    // The 32 data bytes of a chunk, without the report identifier.
    virtual void chunkWritten(std::span<const std::uint8_t> data) = 0;
    virtual void chunkRead(std::span<const std::uint8_t> data) = 0;
    virtual void slept(std::uint32_t ms) = 0;
};

// "feature-set 83 00 … 7c": lower-case two-digit hex, single spaces.
std::string traceLine(std::string_view tag, std::span<const std::uint8_t> bytes);
std::string sleepLine(std::uint32_t ms);

namespace trace_tag {
inline constexpr std::string_view kFeatureSet = "feature-set";
inline constexpr std::string_view kFeatureGet = "feature-get";
inline constexpr std::string_view kWrite = "write";
inline constexpr std::string_view kRead = "read";
inline constexpr std::string_view kSleep = "sleep";
}  // namespace trace_tag

class WireTraceWriter : public WireObserver {
  public:
    explicit WireTraceWriter(std::ostream& out) : out_(out) {}
    void featureSet(std::span<const std::uint8_t> report) override;
    void featureGet(std::span<const std::uint8_t> report) override;
    void chunkWritten(std::span<const std::uint8_t> data) override;
    void chunkRead(std::span<const std::uint8_t> data) override;
    void slept(std::uint32_t ms) override;

  private:
    std::ostream& out_;
};

}  // namespace quorvel
