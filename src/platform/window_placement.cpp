#include "platform/window_placement.h"

#include <algorithm>

namespace platform {

Rect PlaceClient(const Placement& placement, const FrameExtents& frame, Size client, Size screen) {
  if (placement.outerSize) {
    client = {placement.outerSize->width - frame.left - frame.right,
              placement.outerSize->height - frame.top - frame.bottom};
  }
  Point outer = placement.outer;
  if (placement.centred) {
    outer = {(screen.width - (client.width + frame.left + frame.right)) / 2,
             (screen.height - (client.height + frame.top + frame.bottom)) / 2};
  }
  Point origin{outer.x + frame.left, outer.y + frame.top};
  if (placement.over) {
    const Rect& over = *placement.over;
    // On a screen too small for the window its top-left corner wins.
    origin = {std::max(frame.left, std::min(over.left + (over.Width() - client.width) / 2, screen.width - client.width)),
              std::max(frame.top, std::min(over.top + (over.Height() - client.height) / 2, screen.height - client.height))};
  }
  return {origin.x, origin.y, origin.x + client.width, origin.y + client.height};
}

}  // namespace platform
