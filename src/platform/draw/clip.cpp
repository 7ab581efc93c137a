#include "platform/draw/clip.h"

#include <algorithm>

namespace platform {

bool ClipCopyAtEdges(int32_t& x, int32_t& y, Rect& src, const Rect& srcBounds, const Rect& dstBounds) {
  // Work in 64 bits so that far-off coordinates cannot overflow.
  int64_t sl = src.left, st = src.top, sr = src.right, sb = src.bottom;
  int64_t dx = x, dy = y;
  auto trimLow = [](int64_t& s, int64_t& d, int64_t sMin, int64_t dMin) {
    const int64_t cut = std::max<int64_t>({0, sMin - s, dMin - d});
    s += cut;
    d += cut;
  };
  trimLow(sl, dx, srcBounds.left, dstBounds.left);
  trimLow(st, dy, srcBounds.top, dstBounds.top);
  sr = std::min<int64_t>({sr, srcBounds.right, sl + (int64_t{dstBounds.right} - dx)});
  sb = std::min<int64_t>({sb, srcBounds.bottom, st + (int64_t{dstBounds.bottom} - dy)});
  if (sr <= sl || sb <= st) return false;
  src = {static_cast<int32_t>(sl), static_cast<int32_t>(st), static_cast<int32_t>(sr), static_cast<int32_t>(sb)};
  x = static_cast<int32_t>(dx);
  y = static_cast<int32_t>(dy);
  return true;
}

}  // namespace platform
