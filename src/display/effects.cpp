#include <algorithm>
#include <array>

#include "display/display.h"
#include "platform/draw/clip.h"

namespace display {

namespace {

// Channel values as the shifts read them stay below 64 in either layout.
using Share = std::array<uint16_t, 64>;

Share Scaled(int32_t weight) {
  Share t{};
  for (int32_t v = 0; v < 64; ++v) t[v] = static_cast<uint16_t>(v * weight / 10);
  return t;
}

struct Channels {
  uint16_t redMask, greenMask, blueMask;
  int32_t redShift, greenShift;
  uint32_t R(uint16_t p) const { return static_cast<uint32_t>((p & redMask) >> redShift) & 63; }
  uint32_t G(uint16_t p) const { return static_cast<uint32_t>((p & greenMask) >> greenShift) & 63; }
  uint32_t B(uint16_t p) const { return static_cast<uint32_t>(p & blueMask) & 63; }
  uint16_t Pack(uint32_t r, uint32_t g, uint32_t b) const {
    return static_cast<uint16_t>((r << redShift) + (g << greenShift) + b);
  }
};

// Locks the target and hands each row's part inside the frame to `row`;
// rows and columns outside the frame are skipped, as the effects ask.
template <typename RowFn>
void ForFrameRows(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, RowFn&& row) {
  platform::Surface* target = d.DrawTarget();
  if (target == nullptr) return;
  platform::SurfaceMemory memory;
  if (target->Lock(memory) != platform::DrawResult::Ok) return;
  const platform::Rect frame =
      platform::Intersect({0, 0, d.view.GameWidth, d.view.GameHeight}, target->Bounds());
  const platform::Rect area = platform::Intersect({x, y, x + width, y + height}, frame);
  const Channels ch{memory.format.redMask, memory.format.greenMask, memory.format.blueMask, d.RedShift, d.GreenShift};
  const int32_t pitch = memory.pitch / 2;
  for (int32_t py = area.top; py < area.bottom; ++py)
    row(ch, memory.bits + static_cast<ptrdiff_t>(py) * pitch + area.left, area.left - x, py - y, area.Width());
  target->Unlock();
}

}  // namespace

void DarkenRect(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, int32_t n) {
  const Share keep = Scaled(n);
  ForFrameRows(d, x, y, width, height, [&](const Channels& ch, uint16_t* out, int32_t, int32_t, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
      const uint16_t p = out[i];
      out[i] = ch.Pack(keep[ch.R(p)], keep[ch.G(p)], keep[ch.B(p)]);
    }
  });
}

void TintRect(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, int32_t r, int32_t g, int32_t b,
              int32_t n) {
  // One division of the sum, so the colour's share is added before it.
  std::array<uint16_t, 64> tr{}, tg{}, tb{};
  for (int32_t v = 0; v < 64; ++v) {
    tr[v] = static_cast<uint16_t>((v * n + (10 - n) * r) / 10);
    tg[v] = static_cast<uint16_t>((v * n + (10 - n) * g) / 10);
    tb[v] = static_cast<uint16_t>((v * n + (10 - n) * b) / 10);
  }
  ForFrameRows(d, x, y, width, height, [&](const Channels& ch, uint16_t* out, int32_t, int32_t, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
      const uint16_t p = out[i];
      out[i] = ch.Pack(tr[ch.R(p)], tg[ch.G(p)], tb[ch.B(p)]);
    }
  });
}

namespace {

void Blend(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
           int32_t bottom, bool keyed, int32_t keyR, int32_t keyG, int32_t keyB, int32_t n) {
  if (source == nullptr || source == d.DrawTarget()) return;
  platform::SurfaceMemory src;
  if (source->Lock(src) != platform::DrawResult::Ok) return;
  // The source rectangle is the caller's to keep inside the sheet; reading is
  // still held to the sheet.
  const platform::Rect inside = platform::Intersect({left, top, right, bottom}, source->Bounds());
  const Share frameShare = Scaled(n);
  const Share sourceShare = Scaled(10 - n);
  const int32_t srcPitch = src.pitch / 2;
  const Channels sc{src.format.redMask, src.format.greenMask, src.format.blueMask, d.RedShift, d.GreenShift};
  ForFrameRows(d, x, y, right - left, bottom - top,
               [&](const Channels& ch, uint16_t* out, int32_t j0, int32_t i, int32_t count) {
                 const int32_t sy = top + i;
                 if (sy < inside.top || sy >= inside.bottom) return;
                 const uint16_t* in = src.bits + static_cast<ptrdiff_t>(sy) * srcPitch;
                 const int32_t sx0 = left + j0;
                 const int32_t kBegin = std::max(0, inside.left - sx0);
                 const int32_t kEnd = std::min(count, inside.right - sx0);
                 for (int32_t k = kBegin; k < kEnd; ++k) {
                   const uint16_t s = in[sx0 + k];
                   if (keyed && (s & sc.redMask) == keyR && (s & sc.greenMask) == keyG && (s & sc.blueMask) == keyB)
                     continue;
                   const uint16_t p = out[k];
                   out[k] = ch.Pack(frameShare[ch.R(p)] + sourceShare[sc.R(s)],
                                    frameShare[ch.G(p)] + sourceShare[sc.G(s)],
                                    frameShare[ch.B(p)] + sourceShare[sc.B(s)]);
                 }
               });
  source->Unlock();
}

}  // namespace

void BlendFrom(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
               int32_t bottom, int32_t n) {
  Blend(d, x, y, source, left, top, right, bottom, false, 0, 0, 0, n);
}

void BlendKeyedFrom(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top,
                    int32_t right, int32_t bottom, int32_t keyR, int32_t keyG, int32_t keyB, int32_t n) {
  Blend(d, x, y, source, left, top, right, bottom, true, keyR, keyG, keyB, n);
}

}  // namespace display
