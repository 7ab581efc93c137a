#pragma once

#include "platform/draw/surface.h"
#include "platform/geometry.h"

namespace platform {

// A copy of what a window shows, to tell what the next frame changes.
struct ShownFrame {
  Surface pixels{0, 0, PixelFormat::Rgb565()};
  Rect source;  // the part of the frame the window shows
  // The next frame is shown whole: nothing was shown yet, or the screen lost
  // it (an expose, a resize, a mode switch, a failed present).
  bool whole = true;
};

// What of a frame has to reach the screen.
struct Damage {
  Rect rect;           // empty when the frame is the one shown
  bool whole = false;  // all of the source, and the window around it too
};

// The smallest rectangle holding every pixel of `source` in `frame` that
// differs from what is shown; the whole source when the frame is to be shown
// whole or its size, source or pixel layout changed. The copy takes the
// frame's pixels.
Damage TakeDamage(ShownFrame& shown, const Surface& frame, const Rect& source);

}  // namespace platform
