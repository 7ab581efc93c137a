#include "platform/widgets/picture.h"

#include "platform/draw/clip.h"
#include "platform/draw/color.h"

namespace platform {

void PictureBox::Draw(Surface& surface) const {
  if (!visible || picture == nullptr || picture->width <= 0 || picture->height <= 0) return;
  const int32_t w = place.Width();
  const int32_t h = place.Height();
  const Rect r = Intersect(place, surface.Bounds());
  for (int32_t y = r.top; y < r.bottom; ++y) {
    const int64_t sy = int64_t{y - place.top} * picture->height / h;
    uint16_t* row = surface.Row(y);
    for (int32_t x = r.left; x < r.right; ++x) {
      const int64_t sx = int64_t{x - place.left} * picture->width / w;
      row[x] = PackColor(surface.Format(), picture->pixels[static_cast<size_t>(sy * picture->width + sx)]);
    }
  }
}

}  // namespace platform
