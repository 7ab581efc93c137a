#pragma once

#include <cstdint>

#include "platform/bitmap/bitmap_file.h"
#include "platform/draw/surface.h"
#include "platform/geometry.h"

namespace platform {

// A picture drawn stretched to its box.
struct PictureBox {
  Rect place;
  const Picture* picture = nullptr;
  bool visible = true;

  void Draw(Surface& surface) const;
};

}  // namespace platform
