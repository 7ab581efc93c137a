#include <cmath>

#include "art.h"

namespace art {

Canvas ErrorIcon() {
  // On the box's silver, so that the soft edges blend into it.
  Canvas c(32, 32, {192, 192, 192});
  // A faint shadow below and right of the disc, then the disc lit from the top left.
  c.Disc(17, 17, 14.5, {150, 150, 150});
  c.Disc(16, 16, 14.5, {150, 16, 20});
  for (int32_t y = 0; y < 32; ++y)
    for (int32_t x = 0; x < 32; ++x) {
      const double d = std::hypot(x + 0.5 - 12, y + 0.5 - 11) / 16;
      if (d < 1 && std::hypot(x + 0.5 - 16, y + 0.5 - 16) < 14) c.Blend(x, y, {250, 90, 80}, 0.6 * (1 - d));
    }
  c.Ring(16, 16, 14.5, 1.2, {110, 10, 14});
  c.Line(10.5, 10.5, 21.5, 21.5, 3.2, {255, 255, 255});
  c.Line(21.5, 10.5, 10.5, 21.5, 3.2, {255, 255, 255});
  return c;
}

}  // namespace art
