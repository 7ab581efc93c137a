#include "platform/draw/blit.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/draw/clip.h"
#include "platform/draw/wide_lanes.h"

namespace platform {

namespace {

// Sixteen pixels at a time: one AVX2 step, or two plain ones.
using Lanes = uint16_t __attribute__((vector_size(32)));
using Half = uint16_t __attribute__((vector_size(16)));

// Out of line and unaliased; one call a rectangle, since the game's cells are
// only 20 pixels wide. A row ends with two steps that may overlap, both read
// before either is written: a keyed copy made twice gives the same pixels.
[[gnu::noinline, LUMORA_WIDE_LANES]] void KeyedRows(uint16_t* __restrict out, size_t outPitch,
                                                   const uint16_t* __restrict in, size_t inPitch, int32_t width,
                                                   int32_t height, uint16_t key) {
  const Lanes keys = key - Lanes{};
  if (width < 16) {
    for (int32_t row = 0; row < height; ++row, out += outPitch, in += inPitch)
      for (int32_t i = 0; i < width; ++i) out[i] = in[i] == key ? out[i] : in[i];
    return;
  }
  if (width <= 24) {
    // A cell's row is one long step and one short, with no loop to run.
    const Half halfKeys = key - Half{};
    for (int32_t row = 0; row < height; ++row, out += outPitch, in += inPitch) {
      Lanes a, b;
      Half c, d;
      std::memcpy(&a, in, sizeof a);
      std::memcpy(&b, out, sizeof b);
      std::memcpy(&c, in + width - 8, sizeof c);
      std::memcpy(&d, out + width - 8, sizeof d);
      b = a == keys ? b : a;
      d = c == halfKeys ? d : c;
      std::memcpy(out, &b, sizeof b);
      std::memcpy(out + width - 8, &d, sizeof d);
    }
    return;
  }
  for (int32_t row = 0; row < height; ++row, out += outPitch, in += inPitch) {
    // Two steps a turn, [i, i + 16) and [j, j + 16), held inside the row;
    // the last turn's may overlap each other or the turn before.
    for (int32_t i = 0;; i += 32) {
      i = std::min(i, width - 16);
      const int32_t j = std::min(i + 16, width - 16);
      Lanes a, b, c, d;
      std::memcpy(&a, in + i, sizeof a);
      std::memcpy(&b, out + i, sizeof b);
      std::memcpy(&c, in + j, sizeof c);
      std::memcpy(&d, out + j, sizeof d);
      b = a == keys ? b : a;
      d = c == keys ? d : c;
      std::memcpy(out + i, &b, sizeof b);
      std::memcpy(out + j, &d, sizeof d);
      if (j == width - 16) break;
    }
  }
}

// Short rows in 32-byte moves, and a last move of 16 or 32 bytes that ends
// the row and may overlap the one before, with no library call a row: a
// 20-pixel cell takes two moves, the backdrop beside the board a handful. The
// library's copy is faster on long rows.
[[gnu::noinline, LUMORA_WIDE_LANES]] void OpaqueRows(uint16_t* __restrict out, size_t outPitch,
                                                    const uint16_t* __restrict in, size_t inPitch, int32_t width,
                                                    int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * 2;
  for (int32_t row = 0; row < height; ++row, out += outPitch, in += inPitch) {
    auto* o = reinterpret_cast<unsigned char*>(out);
    const auto* i = reinterpret_cast<const unsigned char*>(in);
    if (bytes < 16) {
      std::memcpy(o, i, bytes);
      continue;
    }
    size_t at = 0;
    for (; at + 32 <= bytes; at += 32) {
      Lanes v;
      std::memcpy(&v, i + at, 32);
      std::memcpy(o + at, &v, 32);
    }
    if (at == bytes) continue;
    // A row of 16 to 31 bytes is two short moves; a rest of up to 16 bytes
    // one short move, a longer rest one long move, ending the row.
    if (bytes < 32) {
      Half h, t;
      std::memcpy(&h, i, 16);
      std::memcpy(&t, i + bytes - 16, 16);
      std::memcpy(o, &h, 16);
      std::memcpy(o + bytes - 16, &t, 16);
    } else if (bytes - at <= 16) {
      Half t;
      std::memcpy(&t, i + bytes - 16, 16);
      std::memcpy(o + bytes - 16, &t, 16);
    } else {
      Lanes v;
      std::memcpy(&v, i + bytes - 32, 32);
      std::memcpy(o + bytes - 32, &v, 32);
    }
  }
}

void CopyRows(Surface& dst, int32_t x, int32_t y, const Surface& src, const Rect& s, bool keyed) {
  const int32_t width = s.Width();
  const auto key = src.ColorKey();
  if (!keyed || !key) {
    if (width <= 256 && &dst != &src) {
      OpaqueRows(dst.Row(y) + x, static_cast<size_t>(dst.PitchPixels()), src.Row(s.top) + s.left,
                 static_cast<size_t>(src.PitchPixels()), width, s.Height());
      return;
    }
    for (int32_t row = 0; row < s.Height(); ++row)
      std::memmove(dst.Row(y + row) + x, src.Row(s.top + row) + s.left, static_cast<size_t>(width) * 2);
    return;
  }
  const uint16_t k = *key;
  if (&dst == &src) {
    // A copy within one surface may overlap itself; it goes pixel by pixel.
    for (int32_t row = 0; row < s.Height(); ++row) {
      const uint16_t* in = src.Row(s.top + row) + s.left;
      uint16_t* out = dst.Row(y + row) + x;
      for (int32_t i = 0; i < width; ++i) out[i] = in[i] == k ? out[i] : in[i];
    }
    return;
  }
  KeyedRows(dst.Row(y) + x, static_cast<size_t>(dst.PitchPixels()), src.Row(s.top) + s.left,
            static_cast<size_t>(src.PitchPixels()), width, s.Height(), k);
}

DrawResult CopyClipped(Surface& dst, int32_t x, int32_t y, Surface& src, Rect s, bool keyed, const Rect& dstBounds) {
  if (dst.IsLost() || src.IsLost()) return DrawResult::SurfaceLost;
  if (ClipCopy(x, y, s, src.Bounds(), Intersect(dstBounds, dst.Bounds()))) CopyRows(dst, x, y, src, s, keyed);
  return DrawResult::Ok;
}

// Tiles that lie whole inside both surfaces, a row of pixels across the run at
// a time, so that the target is written in one sweep per row.
[[gnu::noinline, LUMORA_WIDE_LANES]] void TileRows(Surface& dst, int32_t x, int32_t y, const Surface& src,
                                                  std::span<const Point> corners, Size tile) {
  const size_t bytes = static_cast<size_t>(tile.width) * 2;
  for (int32_t row = 0; row < tile.height; ++row) {
    auto* out = reinterpret_cast<unsigned char*>(dst.Row(y + row) + x);
    for (const Point& corner : corners) {
      const auto* in = reinterpret_cast<const unsigned char*>(src.Row(corner.y + row) + corner.x);
      if (bytes >= 32 && bytes <= 48) {
        Lanes a;
        Half b;
        std::memcpy(&a, in, 32);
        std::memcpy(&b, in + bytes - 16, 16);
        std::memcpy(out, &a, 32);
        std::memcpy(out + bytes - 16, &b, 16);
      } else {
        std::memcpy(out, in, bytes);
      }
      out += bytes;
    }
  }
}

// Whether every tile of the run reads inside `src` and writes inside `bounds`
// as it stands, with nothing to trim.
bool RunInside(const Surface& dst, int32_t x, int32_t y, const Surface& src, std::span<const Point> corners, Size tile,
               const Rect& bounds) {
  const Rect within = Intersect(bounds, dst.Bounds());
  const int64_t right = int64_t{x} + int64_t{tile.width} * static_cast<int64_t>(corners.size());
  if (x < within.left || y < within.top || right > within.right || int64_t{y} + tile.height > within.bottom)
    return false;
  const Rect from = src.Bounds();
  return std::all_of(corners.begin(), corners.end(), [&](const Point& c) {
    return c.x >= from.left && c.y >= from.top && int64_t{c.x} + tile.width <= from.right &&
           int64_t{c.y} + tile.height <= from.bottom;
  });
}

DrawResult TileRowWithin(Surface& dst, int32_t x, int32_t y, Surface& src, std::span<const Point> corners, Size tile,
                         const Rect& bounds) {
  if (dst.IsLost() || src.IsLost()) return DrawResult::SurfaceLost;
  if (&dst != &src && RunInside(dst, x, y, src, corners, tile, bounds)) {
    TileRows(dst, x, y, src, corners, tile);
    return DrawResult::Ok;
  }
  int64_t at = x;
  for (const Point& c : corners) {
    // Tiles past the largest coordinate lie outside every surface.
    if (at > std::numeric_limits<int32_t>::max()) break;
    // A tile reaching past the largest coordinate is cut there, and the
    // source's bounds cut it well before.
    auto end = [](int32_t from, int32_t size) {
      return static_cast<int32_t>(std::min<int64_t>(int64_t{from} + size, std::numeric_limits<int32_t>::max()));
    };
    CopyClipped(dst, static_cast<int32_t>(at), y, src, {c.x, c.y, end(c.x, tile.width), end(c.y, tile.height)}, false,
                bounds);
    at += tile.width;
  }
  return DrawResult::Ok;
}

}  // namespace

DrawResult BltTileRow(Surface& dst, int32_t x, int32_t y, Surface& src, std::span<const Point> corners, Size tile,
                      bool clipped) {
  if (corners.empty() || tile.width <= 0 || tile.height <= 0) return DrawResult::Ok;
  const Clipper* clipper = clipped ? dst.AttachedClipper() : nullptr;
  if (clipper == nullptr) return TileRowWithin(dst, x, y, src, corners, tile, dst.Bounds());
  for (const Rect& clip : clipper->Rects()) {
    const DrawResult result = TileRowWithin(dst, x, y, src, corners, tile, clip);
    if (result != DrawResult::Ok) return result;
  }
  return DrawResult::Ok;
}

DrawResult Blt(Surface& dst, const Rect& dstRect, Surface& src, const Rect& srcRect, bool keyed) {
  const Clipper* clipper = dst.AttachedClipper();
  if (dstRect.Width() != srcRect.Width() || dstRect.Height() != srcRect.Height()) return DrawResult::Failed;
  if (clipper == nullptr) return CopyClipped(dst, dstRect.left, dstRect.top, src, srcRect, keyed, dst.Bounds());
  DrawResult result = DrawResult::Ok;
  for (const Rect& clip : clipper->Rects()) {
    result = CopyClipped(dst, dstRect.left, dstRect.top, src, srcRect, keyed, clip);
    if (result != DrawResult::Ok) break;
  }
  return result;
}

DrawResult BltFast(Surface& dst, int32_t x, int32_t y, Surface& src, const Rect& srcRect, bool keyed) {
  return CopyClipped(dst, x, y, src, srcRect, keyed, dst.Bounds());
}

}  // namespace platform
