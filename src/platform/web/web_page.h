#pragma once

#include "platform/geometry.h"

namespace platform::web {

// Lays the desktop out on the page, once, and starts following the pointer
// and whether the page has the player's attention. Gives the whole factor
// the page is drawn at.
int32_t StartPage();

// The desktop's size in screen pixels; it follows the browser's window.
Size PageScreen();

// The page is shown and has the focus.
bool PageActive();

// The page is hidden (another tab, a minimised browser).
bool PageHidden();

}  // namespace platform::web
