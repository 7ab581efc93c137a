#include <algorithm>

#include "display/display.h"
#include "platform/draw/clip.h"
#include "platform/draw/wide_lanes.h"

namespace display {

namespace {

// x / 10 for 0 <= x < 16384, as one multiply the compiler can do on many
// pixels at once.
inline uint16_t Tenth(uint16_t x) { return static_cast<uint16_t>((static_cast<uint32_t>(x) * 6554u) >> 16); }
inline uint16_t Mul(uint16_t v, uint16_t w) { return static_cast<uint16_t>(v * w); }

struct Channels {
  uint16_t redMask, greenMask, blueMask;
  int32_t redShift, greenShift;
  uint16_t R(uint16_t p) const { return static_cast<uint16_t>(static_cast<uint16_t>(p & redMask) >> redShift); }
  uint16_t G(uint16_t p) const { return static_cast<uint16_t>(static_cast<uint16_t>(p & greenMask) >> greenShift); }
  uint16_t B(uint16_t p) const { return static_cast<uint16_t>(p & blueMask); }
  uint16_t Pack(uint16_t r, uint16_t g, uint16_t b) const {
    return static_cast<uint16_t>((r << redShift) + (g << greenShift) + b);
  }
};

// Locks the target and hands each row's part inside the frame to `row`, with
// its column and row offsets from (x, y); what lies outside the frame is left
// alone.
template <typename RowFn>
void ForFrameRows(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, RowFn&& row) {
  platform::Surface* target = d.DrawTarget();
  if (target == nullptr) return;
  platform::SurfaceMemory memory;
  if (target->Lock(memory) != platform::DrawResult::Ok) return;
  const platform::Rect frame = platform::Intersect({0, 0, d.view.GameWidth, d.view.GameHeight}, target->Bounds());
  const platform::Rect area = platform::Intersect({x, y, x + width, y + height}, frame);
  const Channels ch{memory.format.redMask, memory.format.greenMask, memory.format.blueMask, d.RedShift, d.GreenShift};
  const int32_t pitch = memory.pitch / 2;
  for (int32_t py = area.top; py < area.bottom; ++py)
    row(ch, memory.bits + static_cast<ptrdiff_t>(py) * pitch + area.left, area.left - x, py - y, area.Width());
  target->Unlock();
}

// The per-row loops stand alone, out of line, so that the compiler sees plain
// arrays and does several pixels at once. The shifts of the two layouts are
// made constants: with them it can keep every lane 16 bits wide.
template <int RS, int GS>
struct Fixed {
  uint16_t redMask, greenMask, blueMask;
  explicit Fixed(const Channels& c) : redMask(c.redMask), greenMask(c.greenMask), blueMask(c.blueMask) {}
  uint16_t R(uint16_t p) const { return static_cast<uint16_t>(static_cast<uint16_t>(p & redMask) >> RS); }
  uint16_t G(uint16_t p) const { return static_cast<uint16_t>(static_cast<uint16_t>(p & greenMask) >> GS); }
  uint16_t B(uint16_t p) const { return static_cast<uint16_t>(p & blueMask); }
  uint16_t Pack(uint16_t r, uint16_t g, uint16_t b) const { return static_cast<uint16_t>((r << RS) + (g << GS) + b); }
};

// Calls fn with the channel reader that fits the shifts.
template <typename Fn>
void WithChannels(const Channels& ch, Fn&& fn) {
  if (ch.redShift == 11 && ch.greenShift == 6) {
    fn(Fixed<11, 6>(ch));
  } else if (ch.redShift == 10 && ch.greenShift == 5) {
    fn(Fixed<10, 5>(ch));
  } else {
    fn(ch);
  }
}

template <typename C>
[[gnu::noinline, LUMORA_WIDE_LANES]]
void DarkenRow(uint16_t* __restrict out, int32_t count, const C ch, uint16_t w) {
  for (int32_t i = 0; i < count; ++i) {
    const uint16_t p = out[i];
    out[i] = ch.Pack(Tenth(Mul(ch.R(p), w)), Tenth(Mul(ch.G(p), w)), Tenth(Mul(ch.B(p), w)));
  }
}

// The same where w x 6554 fits 16 bits: one multiply that keeps the high
// half does both the weight and the tenth.
template <typename C>
[[gnu::noinline, LUMORA_WIDE_LANES]]
void DarkenRowUpTo9(uint16_t* __restrict out, int32_t count, const C ch, uint16_t w) {
  const auto scaled = static_cast<uint16_t>(w * 6554u);
  auto part = [scaled](uint16_t v) {
    return static_cast<uint16_t>((static_cast<uint32_t>(v) * static_cast<uint32_t>(scaled)) >> 16);
  };
  for (int32_t i = 0; i < count; ++i) {
    const uint16_t p = out[i];
    out[i] = ch.Pack(part(ch.R(p)), part(ch.G(p)), part(ch.B(p)));
  }
}

template <typename C>
[[gnu::noinline, LUMORA_WIDE_LANES]]
void TintRow(uint16_t* __restrict out, int32_t count, const C ch, uint16_t w, uint16_t cr, uint16_t cg,
             uint16_t cb) {
  for (int32_t i = 0; i < count; ++i) {
    const uint16_t p = out[i];
    out[i] = ch.Pack(Tenth(static_cast<uint16_t>(Mul(ch.R(p), w) + cr)),
                     Tenth(static_cast<uint16_t>(Mul(ch.G(p), w) + cg)),
                     Tenth(static_cast<uint16_t>(Mul(ch.B(p), w) + cb)));
  }
}

template <typename C>
[[gnu::noinline, LUMORA_WIDE_LANES]]
void BlendRow(uint16_t* __restrict out, const uint16_t* __restrict in, int32_t count, const C ch, const C sc,
              uint16_t fw, uint16_t sw, uint16_t kr, uint16_t kg, uint16_t kb, bool keyed) {
  for (int32_t k = 0; k < count; ++k) {
    const uint16_t s = in[k];
    const uint16_t p = out[k];
    const uint16_t mixed = ch.Pack(static_cast<uint16_t>(Tenth(Mul(ch.R(p), fw)) + Tenth(Mul(sc.R(s), sw))),
                                   static_cast<uint16_t>(Tenth(Mul(ch.G(p), fw)) + Tenth(Mul(sc.G(s), sw))),
                                   static_cast<uint16_t>(Tenth(Mul(ch.B(p), fw)) + Tenth(Mul(sc.B(s), sw))));
    const bool skip =
        keyed && (s & sc.redMask) == kr && (s & sc.greenMask) == kg && (s & sc.blueMask) == kb;
    out[k] = skip ? p : mixed;
  }
}

}  // namespace

void DarkenRect(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, int32_t n) {
  const auto w = static_cast<uint16_t>(n);
  ForFrameRows(d, x, y, width, height, [w](const Channels ch, uint16_t* out, int32_t, int32_t, int32_t count) {
    // With channels of at most 6 bits and weights up to 9 no product
    // overflows, and the multiply and the tenth can be one.
    const bool small = w <= 9 && (ch.redMask >> ch.redShift) <= 63 && (ch.greenMask >> ch.greenShift) <= 63 &&
                       ch.blueMask <= 63;
    WithChannels(ch, [&](auto c) {
      if (small) {
        DarkenRowUpTo9(out, count, c, w);
      } else {
        DarkenRow(out, count, c, w);
      }
    });
  });
}

void TintRect(Display& d, int32_t x, int32_t y, int32_t width, int32_t height, int32_t r, int32_t g, int32_t b,
              int32_t n) {
  // One division of the sum: the colour's share is added before it.
  const auto w = static_cast<uint16_t>(n);
  const auto cr = static_cast<uint16_t>((10 - n) * r);
  const auto cg = static_cast<uint16_t>((10 - n) * g);
  const auto cb = static_cast<uint16_t>((10 - n) * b);
  ForFrameRows(d, x, y, width, height, [=](const Channels ch, uint16_t* out, int32_t, int32_t, int32_t count) {
    WithChannels(ch, [&](auto c) { TintRow(out, count, c, w, cr, cg, cb); });
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
  const auto fw = static_cast<uint16_t>(n);
  const auto sw = static_cast<uint16_t>(10 - n);
  const int32_t srcPitch = src.pitch / 2;
  const Channels sc{src.format.redMask, src.format.greenMask, src.format.blueMask, d.RedShift, d.GreenShift};
  const auto kr = static_cast<uint16_t>(keyR);
  const auto kg = static_cast<uint16_t>(keyG);
  const auto kb = static_cast<uint16_t>(keyB);
  ForFrameRows(d, x, y, right - left, bottom - top,
               [&](const Channels ch, uint16_t* out, int32_t j0, int32_t i, int32_t count) {
                 const int32_t sy = top + i;
                 if (sy < inside.top || sy >= inside.bottom) return;
                 const int32_t sx0 = left + j0;
                 const int32_t kBegin = std::max(0, inside.left - sx0);
                 const int32_t kEnd = std::min(count, inside.right - sx0);
                 if (kEnd <= kBegin) return;
                 const uint16_t* in = src.bits + static_cast<ptrdiff_t>(sy) * srcPitch + sx0 + kBegin;
                 WithChannels(ch, [&](auto c) {
                   const decltype(c) s2(sc);
                   BlendRow(out + kBegin, in, kEnd - kBegin, c, s2, fw, sw, kr, kg, kb, keyed);
                 });
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
