#pragma once

#include <cstdint>

#include "platform/draw/clipper.h"
#include "platform/draw/surface.h"

namespace platform {

// The clipped copy: `srcRect` of `src` onto `dstRect` of `dst`, trimmed by the
// rectangles of the clipper attached to `dst` when it has one. Copies are one to one; a
// destination of another size than the source is refused. With `keyed`,
// source pixels equal to the source's colour key are left out.
DrawResult Blt(Surface& dst, const Rect& dstRect, Surface& src, const Rect& srcRect, bool keyed);

// The unclipped copy to (x, y). It is not trimmed to any clip list, but it
// never reads or writes outside either surface.
DrawResult BltFast(Surface& dst, int32_t x, int32_t y, Surface& src, const Rect& srcRect, bool keyed);

}  // namespace platform
