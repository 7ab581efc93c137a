#include "platform/window_placement.h"

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
  const Point origin{outer.x + frame.left, outer.y + frame.top};
  return {origin.x, origin.y, origin.x + client.width, origin.y + client.height};
}

}  // namespace platform
