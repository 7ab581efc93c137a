#include "platform/draw/blit.h"

#include <algorithm>
#include <cstring>

#include "platform/draw/clip.h"
#include "platform/draw/wide_lanes.h"

namespace platform {

namespace {

// Sixteen pixels at a time: one AVX2 step, or two plain ones.
using Lanes = uint16_t __attribute__((vector_size(32)));

// Out of line and unaliased; one call a rectangle, since the game's cells are
// only 20 pixels wide. A row ends with two steps that may overlap, both read
// before either is written: a keyed copy made twice gives the same pixels.
[[gnu::noinline, LUMORA_WIDE_LANES]] void KeyedRows(uint16_t* __restrict out, size_t outPitch,
                                                   const uint16_t* __restrict in, size_t inPitch, int32_t width,
                                                   int32_t height, uint16_t key) {
  const Lanes keys = key - Lanes{};
  for (int32_t row = 0; row < height; ++row, out += outPitch, in += inPitch) {
    if (width < 16) {
      for (int32_t i = 0; i < width; ++i) out[i] = in[i] == key ? out[i] : in[i];
      continue;
    }
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
      const auto keepB = reinterpret_cast<Lanes>(a == keys);
      const auto keepD = reinterpret_cast<Lanes>(c == keys);
      b = (b & keepB) | (a & ~keepB);
      d = (d & keepD) | (c & ~keepD);
      std::memcpy(out + i, &b, sizeof b);
      std::memcpy(out + j, &d, sizeof d);
      if (j == width - 16) break;
    }
  }
}

// Rows of up to 32 pixels, such as the game's 20-pixel cells, go in a few
// 16-byte moves each, the last one overlapping the one before, instead of a
// library call a row.
[[gnu::noinline]] void NarrowRows(uint16_t* __restrict out, size_t outPitch, const uint16_t* __restrict in,
                                  size_t inPitch, int32_t width, int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * 2;
  for (int32_t row = 0; row < height; ++row, out += outPitch, in += inPitch) {
    auto* o = reinterpret_cast<unsigned char*>(out);
    const auto* i = reinterpret_cast<const unsigned char*>(in);
    if (bytes < 16) {
      std::memcpy(o, i, bytes);
      continue;
    }
    std::memcpy(o, i, 16);
    if (bytes > 32) std::memcpy(o + 16, i + 16, 16);
    if (bytes > 48) std::memcpy(o + 32, i + 32, 16);
    std::memcpy(o + bytes - 16, i + bytes - 16, 16);
  }
}

void CopyRows(Surface& dst, int32_t x, int32_t y, const Surface& src, const Rect& s, bool keyed) {
  const int32_t width = s.Width();
  const auto key = src.ColorKey();
  if (!keyed || !key) {
    if (width <= 32 && &dst != &src) {
      NarrowRows(dst.Row(y) + x, static_cast<size_t>(dst.PitchPixels()), src.Row(s.top) + s.left,
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

}  // namespace

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
