#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace platform {

// A clip list as the display engine fills it: a 32-byte header and its
// rectangles.
struct RegionHeader {
  uint32_t dwSize = 32;
  uint32_t iType = 1;  // rectangles
  uint32_t nCount = 0;
  uint32_t nRgnSize = 0;
  Rect rcBound;
};

struct RegionData {
  RegionHeader rdh;
  Rect rect;  // the one rectangle the game uses
};

// Trims clipped copies into the surface it is attached to.
class Clipper {
 public:
  void SetClipList(const RegionData& region);
  const std::vector<Rect>& Rects() const { return rects_; }

 private:
  std::vector<Rect> rects_;
};

}  // namespace platform
