#include "platform/present/frame_damage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Thirty-two bytes at a time: the page's C library compares a byte at a time,
// and two frames' rows are compared every frame.
bool RowsEqual(const uint16_t* a, const uint16_t* b, int32_t width) {
  const auto* p = reinterpret_cast<const unsigned char*>(a);
  const auto* q = reinterpret_cast<const unsigned char*>(b);
  const size_t bytes = sizeof(uint16_t) * static_cast<size_t>(width);
  size_t i = 0;
  for (; i + 32 <= bytes; i += 32) {
    uint64_t x[4], y[4];
    std::memcpy(x, p + i, 32);
    std::memcpy(y, q + i, 32);
    if (((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) != 0) return false;
  }
  return std::memcmp(p + i, q + i, bytes - i) == 0;
}

// Columns [first, last] of the pixels that differ in a row known to differ.
void DifferingColumns(const uint16_t* a, const uint16_t* b, int32_t width, int32_t& first, int32_t& last) {
  first = 0;
  while (a[first] == b[first]) ++first;
  last = width - 1;
  while (a[last] == b[last]) --last;
}

}  // namespace

Damage TakeDamage(ShownFrame& shown, const Surface& frame, const Rect& source) {
  Surface& copy = shown.pixels;
  const bool sameLayout = copy.Width() == frame.Width() && copy.Height() == frame.Height() &&
                          copy.Format() == frame.Format();
  if (shown.whole || !sameLayout || shown.source != source) {
    if (!sameLayout) copy = Surface(frame.Width(), frame.Height(), frame.Format());
    for (int32_t y = source.top; y < source.bottom; ++y)
      std::memcpy(copy.Row(y) + source.left, frame.Row(y) + source.left, sizeof(uint16_t) * source.Width());
    shown.source = source;
    shown.whole = false;
    return {source, true};
  }
  const int32_t width = source.Width();
  Rect changed{source.right, source.bottom, source.left, source.top};
  for (int32_t y = source.top; y < source.bottom; ++y) {
    const uint16_t* now = frame.Row(y) + source.left;
    uint16_t* before = copy.Row(y) + source.left;
    if (RowsEqual(now, before, width)) continue;
    int32_t first = 0, last = 0;
    DifferingColumns(now, before, width, first, last);
    changed.left = std::min(changed.left, source.left + first);
    changed.right = std::max(changed.right, source.left + last + 1);
    changed.top = std::min(changed.top, y);
    changed.bottom = y + 1;
    std::memcpy(before + first, now + first, sizeof(uint16_t) * (last + 1 - first));
  }
  if (changed.bottom <= changed.top) return {};
  return {changed, false};
}

}  // namespace platform
