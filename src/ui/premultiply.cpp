#include "ui/premultiply.h"

#include <cstddef>

namespace quorvel {

namespace {
constexpr std::size_t kPixelSize = 4;
constexpr std::size_t kAlphaByte = 3;
}  // namespace

void premultiplyBgra(std::span<std::uint8_t> pixels) {
    const std::size_t whole = pixels.size() - pixels.size() % kPixelSize;
    for (std::size_t i = 0; i < whole; i += kPixelSize) {
        const unsigned alpha = pixels[i + kAlphaByte];
        if (alpha == 255)
            continue;
        for (std::size_t c = 0; c < kAlphaByte; ++c) {
            pixels[i + c] = static_cast<std::uint8_t>(pixels[i + c] * alpha / 255);
        }
    }
}

}  // namespace quorvel
