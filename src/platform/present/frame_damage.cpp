#include "platform/present/frame_damage.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

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
  const size_t rowBytes = sizeof(uint16_t) * width;
  Rect changed{source.right, source.bottom, source.left, source.top};
  for (int32_t y = source.top; y < source.bottom; ++y) {
    const uint16_t* now = frame.Row(y) + source.left;
    uint16_t* before = copy.Row(y) + source.left;
    if (std::memcmp(now, before, rowBytes) == 0) continue;
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
