#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"
#include "platform/present/fullscreen_fit.h"

namespace platform {
class Surface;
}

namespace platform::sdl {

// Memory of 32-bit pixels, such as a window's surface.
struct Pixels32 {
  void* pixels = nullptr;
  int32_t pitch = 0;  // bytes a row
  Size size;
};

// Writes `area` of the frame's `source` rectangle into `out`, where `fit`
// places the whole source: each pixel converted by `table` (every 565 value's
// 32-bit pixel) and grown to a fit.scale square. Nothing is written outside
// `out`. Returns the rectangle of `out` written, empty when none was.
Rect PutScaled(const std::vector<uint32_t>& table, const Surface& frame, const Rect& source, const Rect& area,
               const FullScreenFit& fit, const Pixels32& out);

}  // namespace platform::sdl
