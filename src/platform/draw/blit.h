#pragma once

#include <cstdint>
#include <span>

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

// Opaque tiles of one size side by side from (x, y) rightwards, tile i from
// `corners[i]` of `src`: the same pixels as a BltFast (or, with `clipped`, a
// Blt) of each tile in turn, drawn a row of pixels across all of them at a time.
DrawResult BltTileRow(Surface& dst, int32_t x, int32_t y, Surface& src, std::span<const Point> corners, Size tile,
                      bool clipped);

}  // namespace platform
