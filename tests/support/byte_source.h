// Arbitrary input taken apart into the values a test or fuzz target needs. Reads past the
// end give zeros and empty strings, so a short input still drives a whole run to its end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorvel::testing {

class ByteSource {
  public:
    explicit ByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    ByteSource(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    bool exhausted() const { return position_ >= bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - position_; }

    std::uint8_t byte() { return exhausted() ? 0 : bytes_[position_++]; }
    bool flag() { return (byte() & 1) != 0; }
    std::uint16_t word() {
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | (byte() << 8));
    }
    // A value in [0, limit); 0 when limit is 0.
    std::size_t below(std::size_t limit) {
        if (limit == 0)
            return 0;
        return (limit <= 0x100 ? byte() : word()) % limit;
    }

    std::vector<std::uint8_t> bytes(std::size_t count) {
        const std::size_t n = std::min(count, remaining());
        std::vector<std::uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(position_),
                                      bytes_.begin() + static_cast<std::ptrdiff_t>(position_ + n));
        position_ += n;
        return out;
    }
    // A length byte, then that many bytes.
    std::string shortString() {
        const auto raw = bytes(byte());
        return std::string(raw.begin(), raw.end());
    }
    std::vector<std::uint8_t> rest() { return bytes(remaining()); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace quorvel::testing
