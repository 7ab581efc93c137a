#pragma once

#include "platform/geometry.h"

namespace platform {

// Where a picture lands when it fills a screen: a whole scale, so every
// picture pixel stays a sharp square, and centred, with black around it.
struct FullScreenFit {
  int32_t scale = 1;
  Rect placed;  // in screen pixels
  friend bool operator==(const FullScreenFit&, const FullScreenFit&) = default;
};

// The largest whole scale that fits; a screen smaller than the picture keeps
// scale 1 and crops it evenly on both sides.
FullScreenFit FitWholeScale(Size picture, Size screen);

// A window larger than its picture by a whole factor, as on a high-density
// desktop, shows it enlarged by that factor from its corner.
FullScreenFit FitFromCorner(Size picture, Size window);

// The picture pixel under a screen position. Positions on the black border
// map outside the picture, as a pointer beside a window does.
Point ScreenToPicture(const FullScreenFit& fit, Point screen);

}  // namespace platform
