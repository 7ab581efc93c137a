#pragma once

#include <cstdint>

namespace platform {

// The channel masks of a 16-bit pixel layout.
struct PixelFormat {
  uint16_t redMask = 0xF800;
  uint16_t greenMask = 0x07E0;
  uint16_t blueMask = 0x001F;

  static constexpr PixelFormat Rgb565() { return {0xF800, 0x07E0, 0x001F}; }
  static constexpr PixelFormat Rgb555() { return {0x7C00, 0x03E0, 0x001F}; }
  bool Is565() const { return redMask == 0xF800; }
  friend bool operator==(const PixelFormat&, const PixelFormat&) = default;
};

// Results of the 2D layer's calls, as the display engine tells them apart.
enum class DrawResult { Ok, SurfaceLost, Failed };

}  // namespace platform
