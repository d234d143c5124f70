#include "device/scrambler.h"

#include <utility>

namespace quorvel {
namespace {

using Span = std::span<std::uint8_t, command_report::kSize>;

constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kSwappedPairs = {
    {{0, 5}, {1, 4}, {2, 7}, {3, 6}}};
constexpr std::size_t kFirstKeyed = 1;
constexpr std::size_t kLastKeyed = 6;
constexpr unsigned kRotation = 3;

void swapPairs(Span r) {
    for (const auto& [a, b] : kSwappedPairs)
        std::swap(r[a], r[b]);
}

void xorHandshakeKey(Span r, const ScramblerKeys& keys) {
    for (std::size_t i = kFirstKeyed; i <= kLastKeyed; ++i)
        r[i] ^= keys.handshake[i];
}

std::uint64_t toWord(Span r) {
    std::uint64_t word = 0;
    for (std::uint8_t b : r)
        word = word << 8 | b;
    return word;
}

void fromWord(Span r, std::uint64_t word) {
    for (std::size_t i = r.size(); i-- > 0;) {
        r[i] = static_cast<std::uint8_t>(word & 0xFFu);
        word >>= 8;
    }
}

std::uint8_t halvesExchanged(std::uint8_t b) {
    return static_cast<std::uint8_t>((b << 4) | (b >> 4));
}

}  // namespace

void scramble(Span report, const ScramblerKeys& keys) {
    swapPairs(report);
    xorHandshakeKey(report, keys);
    const std::uint64_t word = toWord(report);
    fromWord(report, word << kRotation | word >> (64 - kRotation));
    for (std::size_t i = 0; i < report.size(); ++i)
        report[i] = static_cast<std::uint8_t>(report[i] + halvesExchanged(keys.table[i]));
}

void unscramble(Span report, const ScramblerKeys& keys) {
    for (std::size_t i = 0; i < report.size(); ++i)
        report[i] = static_cast<std::uint8_t>(report[i] - halvesExchanged(keys.table[i]));
    const std::uint64_t word = toWord(report);
    fromWord(report, word >> kRotation | word << (64 - kRotation));
    xorHandshakeKey(report, keys);
    swapPairs(report);
}

}  // namespace quorvel
