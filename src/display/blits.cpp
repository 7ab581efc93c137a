#include "display/display.h"
#include "platform/draw/blit.h"

namespace display {

namespace {

void Copy(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
          int32_t bottom, bool keyed) {
  if (right <= left || top >= bottom) return;
  platform::Surface* target = d.DrawTarget();
  if (target == nullptr || source == nullptr) return;
  const platform::Rect src{left, top, right, bottom};
  // Full screen copies are trimmed by the clipper; windowed ones are not, but
  // still never leave the frame buffer.
  if (d.view.FullScreen != 0) {
    platform::Blt(*target, {x, y, x + right - left, y + bottom - top}, *source, src, keyed);
  } else {
    platform::BltFast(*target, x, y, *source, src, keyed);
  }
}

}  // namespace

void BltOpaque(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
               int32_t bottom) {
  Copy(d, x, y, source, left, top, right, bottom, false);
}

void BltTileRow(Display& d, int32_t x, int32_t y, platform::Surface* source, std::span<const platform::Point> corners,
                platform::Size size) {
  platform::Surface* target = d.DrawTarget();
  if (target == nullptr || source == nullptr) return;
  platform::BltTileRow(*target, x, y, *source, corners, size, d.view.FullScreen != 0);
}

void BltKeyed(Display& d, int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
              int32_t bottom) {
  Copy(d, x, y, source, left, top, right, bottom, true);
}

}  // namespace display
