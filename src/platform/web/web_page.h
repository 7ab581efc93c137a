#pragma once

#include "platform/geometry.h"

namespace platform::web {

struct PageFacts {
  Size screen;  // screen pixels
  int32_t scale = 1;
};

// Lays the desktop out on the page, once, and starts following the pointer
// and whether the page has the player's attention.
PageFacts StartPage();

// The page is shown and has the focus.
bool PageActive();

// The page is hidden (another tab, a minimised browser).
bool PageHidden();

}  // namespace platform::web
