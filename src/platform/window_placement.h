#pragma once

#include <optional>

#include "platform/geometry.h"

namespace platform {

// The frame a window manager puts around a window's client area.
struct FrameExtents {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const FrameExtents&, const FrameExtents&) = default;
};

// Where a window was asked to stand, in outer terms (frame included), kept so
// that it can be placed again once its frame is known.
struct Placement {
  bool centred = false;  // on the screen, whatever the frame
  // The client area centred over this screen rectangle, with the frame's top
  // and left kept on the screen.
  std::optional<Rect> over;
  Point outer;  // outer top-left corner, when neither of the above
  std::optional<Size> outerSize;
};

// The client area that puts the window, with the given frame, where it was
// asked to stand. Without an outer size the client keeps its own.
Rect PlaceClient(const Placement& placement, const FrameExtents& frame, Size client, Size screen);

}  // namespace platform
