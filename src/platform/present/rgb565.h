#pragma once

#include <cstdint>

#include "platform/draw/color.h"

namespace platform {

// A 565 pixel widened to 8 bits a channel by repeating its top bits into the
// low ones, so full white stays 0xFFFFFF. SDL's own converter, used by the
// 565 texture path, rounds some levels one lower.
constexpr Rgb Expand565(uint16_t pixel) {
  const uint32_t r = (pixel >> 11) & 0x1F;
  const uint32_t g = (pixel >> 5) & 0x3F;
  const uint32_t b = pixel & 0x1F;
  return {static_cast<uint8_t>((r << 3) | (r >> 2)), static_cast<uint8_t>((g << 2) | (g >> 4)),
          static_cast<uint8_t>((b << 3) | (b >> 2))};
}

}  // namespace platform
