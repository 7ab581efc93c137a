#pragma once

#include <algorithm>

#include "platform/geometry.h"

namespace platform {

// The one place where drawing is clipped. Trims a copy of the source
// rectangle `src` to the destination point (x, y) so that it reads only
// inside `srcBounds` and writes only inside `dstBounds`. Returns false when
// nothing is left to copy.
bool ClipCopyAtEdges(int32_t& x, int32_t& y, Rect& src, const Rect& srcBounds, const Rect& dstBounds);

// The same, with the copies that need no trimming told apart where they are
// made, without a call.
inline bool ClipCopy(int32_t& x, int32_t& y, Rect& src, const Rect& srcBounds, const Rect& dstBounds) {
  // Most copies, such as every tile of the board, lie inside both surfaces.
  if (src.left >= srcBounds.left && src.top >= srcBounds.top && src.right <= srcBounds.right &&
      src.bottom <= srcBounds.bottom && x >= dstBounds.left && y >= dstBounds.top &&
      int64_t{x} + src.right - src.left <= dstBounds.right && int64_t{y} + src.bottom - src.top <= dstBounds.bottom)
    return src.right > src.left && src.bottom > src.top;
  return ClipCopyAtEdges(x, y, src, srcBounds, dstBounds);
}

// The overlap of two rectangles; empty (right <= left or bottom <= top) when
// they do not meet.
inline Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace platform
