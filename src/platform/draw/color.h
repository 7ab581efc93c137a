#pragma once

#include <bit>
#include <cstdint>

#include "platform/draw/pixel_format.h"

namespace platform {

// An 8-bit-per-channel colour, as text and picture colours are given.
struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// An 8-bit channel value kept to the top bits of its field, as the display
// converts a colour to its pixel layout.
constexpr uint16_t PackChannel(uint8_t value, uint16_t mask) {
  if (mask == 0) return 0;
  const int low = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  return static_cast<uint16_t>(((value >> (8 - bits)) << low) & mask);
}

constexpr uint16_t PackColor(const PixelFormat& format, Rgb color) {
  return static_cast<uint16_t>(PackChannel(color.r, format.redMask) | PackChannel(color.g, format.greenMask) |
                               PackChannel(color.b, format.blueMask));
}

}  // namespace platform
