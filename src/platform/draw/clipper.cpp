#include "platform/draw/clipper.h"

namespace platform {

void Clipper::SetClipList(const RegionData& region) {
  rects_.clear();
  if (region.rdh.nCount >= 1) rects_.push_back(region.rect);
}

}  // namespace platform
