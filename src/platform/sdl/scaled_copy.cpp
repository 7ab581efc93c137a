#include "platform/sdl/scaled_copy.h"

#include <algorithm>
#include <cstring>

#include "platform/draw/clip.h"
#include "platform/draw/surface.h"

namespace platform::sdl {

namespace {
uint32_t* RowOf(const Pixels32& out, int32_t y) {
  return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out.pixels) + static_cast<ptrdiff_t>(y) * out.pitch);
}
}  // namespace

Rect PutScaled(const std::vector<uint32_t>& table, const Surface& frame, const Rect& source, const Rect& area,
               const FullScreenFit& fit, const Pixels32& out) {
  const int32_t s = fit.scale;
  if (table.size() != 65536 || s < 1 || out.pixels == nullptr) return {};
  const Rect from = Intersect(Intersect(area, source), frame.Bounds());
  const Rect scaled{fit.placed.left + s * (from.left - source.left), fit.placed.top + s * (from.top - source.top),
                    fit.placed.left + s * (from.right - source.left), fit.placed.top + s * (from.bottom - source.top)};
  const Rect to = Intersect(scaled, {0, 0, out.size.width, out.size.height});
  if (from.Width() <= 0 || from.Height() <= 0 || to.Width() <= 0 || to.Height() <= 0) return {};

  const uint32_t* lookup = table.data();
  const size_t rowBytes = sizeof(uint32_t) * to.Width();
  for (int32_t y = to.top; y < to.bottom;) {
    const int32_t frameRow = (y - fit.placed.top) / s;
    const uint16_t* in = frame.Row(source.top + frameRow);
    uint32_t* row = RowOf(out, y);
    int32_t x = source.left + (to.left - fit.placed.left) / s;
    if (s == 1) {
      for (int32_t i = to.left; i < to.right; ++i) row[i] = lookup[in[x++]];
    } else {
      int32_t phase = (to.left - fit.placed.left) % s;
      for (int32_t i = to.left; i < to.right; ++i) {
        row[i] = lookup[in[x]];
        if (++phase == s) {
          phase = 0;
          ++x;
        }
      }
    }
    // The screen rows that show the same frame row are copies of the first.
    const int32_t end = std::min(to.bottom, fit.placed.top + (frameRow + 1) * s);
    for (int32_t copy = y + 1; copy < end; ++copy) std::memcpy(RowOf(out, copy) + to.left, row + to.left, rowBytes);
    y = end;
  }
  return to;
}

}  // namespace platform::sdl
