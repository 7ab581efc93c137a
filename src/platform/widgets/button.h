#pragma once

#include <cstdint>
#include <string>

#include "platform/draw/color.h"
#include "platform/draw/surface.h"
#include "platform/geometry.h"
#include "platform/text/font.h"

namespace platform {

// A push button drawn by the program: a bevelled silver face with its
// caption centred, sunk while pressed, a dotted frame while focused.
struct Button {
  Rect place;
  std::string caption;  // CP932
  Font* font = nullptr;
  int32_t fontHeight = 12;
  Rgb textColor{};
  bool visible = true;
  bool pressed = false;
  bool focused = false;

  bool Contains(int32_t x, int32_t y) const {
    return x >= place.left && x < place.right && y >= place.top && y < place.bottom;
  }
  void Draw(Surface& surface) const;
};

inline constexpr Rgb kButtonFace{192, 192, 192};

// Fills the rectangle, cut at the surface's edges.
void FillRect(Surface& surface, const Rect& rect, Rgb color);

}  // namespace platform
