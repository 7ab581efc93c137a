#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace platform {
class Surface;
}

namespace platform::sdl {

// Every 565 value's 32-bit pixel in an SDL pixel format; empty when SDL does
// not know the format.
std::vector<uint32_t> BuildTable565(uint32_t sdlFormat);

// The `source` part of a 565 frame into 32-bit pixels at `out`, `outPitch`
// bytes a row, one table look-up a pixel.
void ConvertByTable(const std::vector<uint32_t>& table, const Surface& frame, const Rect& source, void* out,
                    int32_t outPitch);

// The same through SDL's own converter, as SDL does it for a 565 texture on a
// renderer without one; to compare against.
bool ConvertBySdl(const Surface& frame, const Rect& source, uint32_t sdlFormat, void* out, int32_t outPitch);

}  // namespace platform::sdl
