// Alpha blending expects colour already multiplied by its alpha; PNG stores it straight.
#pragma once

#include <cstdint>
#include <span>

namespace quorvel {

// Pixels laid out B, G, R, A. Each colour byte c becomes c * a / 255 (truncating); alpha stays.
// A trailing partial pixel is left alone.
void premultiplyBgra(std::span<std::uint8_t> pixels);

}  // namespace quorvel
