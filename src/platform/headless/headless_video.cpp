#include "platform/headless/headless_video.h"

#include <algorithm>

#include "platform/draw/clip.h"

namespace platform::headless {

DrawResult HeadlessVideo::ShowFrame(WindowId, const Surface& frame, const Rect& source, const Rect& screen) {
  ++showCalls_;
  if (refusals_ > 0) {
    --refusals_;
    return refusal_;
  }
  const Rect s = Intersect(source, frame.Bounds());
  if (s.Width() <= 0 || s.Height() <= 0) return DrawResult::Failed;
  lastSize_ = {s.Width(), s.Height()};
  lastFrame_.resize(static_cast<size_t>(s.Width()) * s.Height());
  for (int32_t y = 0; y < s.Height(); ++y) {
    const uint16_t* row = frame.Row(s.top + y) + s.left;
    std::copy(row, row + s.Width(), lastFrame_.begin() + static_cast<ptrdiff_t>(y) * s.Width());
  }
  lastScreen_ = screen;
  ++framesShown_;
  return DrawResult::Ok;
}

}  // namespace platform::headless
