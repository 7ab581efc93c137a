#include <algorithm>

#include "art.h"

namespace art {

// The lit cell of the sprite sheet, drawn afresh at each size rather than
// scaled, so that the small icons keep sharp edges: a warm glowing cell with
// its bright core, set in a raised slate cell of the board.
Canvas Icon(int32_t size) {
  Canvas c(size, size);
  const Rgb slate{66, 80, 108};
  const Rect whole{0, 0, size, size};
  c.VerticalGradient(whole, Lighter(slate, 0.12), Darker(slate, 0.12));
  c.Bevel(whole, Lighter(slate, 0.5), Darker(slate, 0.55), std::max(1, size / 16));

  const Rgb top{255, 226, 110};
  const Rgb bottom{236, 150, 34};
  const int32_t inset = std::max(2, size * 3 / 20);
  const Rect lit{inset, inset, size - inset, size - inset};
  c.VerticalGradient(lit, top, bottom);
  c.Bevel(lit, Lighter(top, 0.7), Darker(bottom, 0.45), std::max(1, size / 24));
  const double middle = size / 2.0;
  c.Disc(middle, middle, size * 0.2, Lighter(top, 0.45));
  c.Disc(middle, middle, size * 0.11, {255, 255, 246});
  return c;
}

// For launchers that cut an icon to their own shape: the slate runs to every
// edge, and the whole icon stands within the central circle of 80% of the
// width that every mask keeps.
Canvas MaskableIcon(int32_t size) {
  Canvas c(size, size);
  const Rgb slate{66, 80, 108};
  c.VerticalGradient({0, 0, size, size}, Lighter(slate, 0.12), Darker(slate, 0.12));
  const int32_t inner = size * 56 / 100;
  c.Paste((size - inner) / 2, (size - inner) / 2, Icon(inner));
  return c;
}

}  // namespace art
