#include "platform/headless/headless_video.h"

#include <algorithm>
#include <cstring>

#include "platform/draw/clip.h"

namespace platform::headless {

namespace {

// Only the rows that changed are written: a frame like the one before costs
// a comparison, as it does on the real screen.
void Copy(const Surface& frame, const Rect& s, std::vector<uint16_t>& out) {
  out.resize(static_cast<size_t>(s.Width()) * s.Height());
  const size_t bytes = sizeof(uint16_t) * static_cast<size_t>(s.Width());
  for (int32_t y = 0; y < s.Height(); ++y) {
    const uint16_t* row = frame.Row(s.top + y) + s.left;
    uint16_t* shown = out.data() + static_cast<ptrdiff_t>(y) * s.Width();
    if (std::memcmp(row, shown, bytes) != 0) std::memcpy(shown, row, bytes);
  }
}

}  // namespace

DrawResult HeadlessVideo::ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect& screen) {
  const bool watched = watched_ == kNoWindow || window == watched_;
  if (watched) {
    ++showCalls_;
    if (refusals_ > 0) {
      --refusals_;
      return refusal_;
    }
  }
  const Rect s = Intersect(source, frame.Bounds());
  if (s.Width() <= 0 || s.Height() <= 0) return DrawResult::Failed;
  ShownFrame& own = byWindow_[window];
  ++own.count;
  own.size = {s.Width(), s.Height()};
  own.screen = screen;
  Copy(frame, s, own.pixels);
  if (!watched) return DrawResult::Ok;
  lastSize_ = own.size;
  lastWindow_ = window;
  lastScreen_ = screen;
  ++framesShown_;
  return DrawResult::Ok;
}

const std::vector<uint16_t>& HeadlessVideo::LastFrame() const {
  static const std::vector<uint16_t> kNone;
  const auto it = byWindow_.find(lastWindow_);
  return it == byWindow_.end() ? kNone : it->second.pixels;
}

}  // namespace platform::headless
