#pragma once

#include <cstdint>
#include <string>

#include "platform/draw/color.h"
#include "platform/draw/surface.h"
#include "platform/text/font.h"

namespace platform {

// A line of text whose box follows the text, painted on the colour of the
// window it sits on.
struct Label {
  int32_t left = 0;
  int32_t top = 0;
  std::string text;  // CP932
  Font* font = nullptr;
  Rgb textColor{};
  bool visible = true;

  void Draw(Surface& surface, Rgb back) const;
};

}  // namespace platform
