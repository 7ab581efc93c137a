#include "platform/present/fullscreen_fit.h"

#include <algorithm>

namespace platform {

namespace {
// Rounds towards minus infinity, so the border left of the picture is not
// folded onto its first column.
int32_t FloorDiv(int32_t value, int32_t divisor) {
  const int32_t q = value / divisor;
  return (value % divisor != 0 && value < 0) ? q - 1 : q;
}
}  // namespace

FullScreenFit FitWholeScale(Size picture, Size screen) {
  if (picture.width <= 0 || picture.height <= 0) return {1, {0, 0, 0, 0}};
  const int32_t scale = std::max(1, std::min(screen.width / picture.width, screen.height / picture.height));
  const int32_t width = picture.width * scale;
  const int32_t height = picture.height * scale;
  const int32_t left = (screen.width - width) / 2;
  const int32_t top = (screen.height - height) / 2;
  return {scale, {left, top, left + width, top + height}};
}

FullScreenFit FitFromCorner(Size picture, Size window) {
  if (picture.width <= 0 || picture.height <= 0) return {1, {0, 0, 0, 0}};
  const int32_t scale = std::max(1, std::min(window.width / picture.width, window.height / picture.height));
  return {scale, {0, 0, picture.width * scale, picture.height * scale}};
}

Point ScreenToPicture(const FullScreenFit& fit, Point screen) {
  return {FloorDiv(screen.x - fit.placed.left, fit.scale), FloorDiv(screen.y - fit.placed.top, fit.scale)};
}

}  // namespace platform
