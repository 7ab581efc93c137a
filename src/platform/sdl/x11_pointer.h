#pragma once

#include <optional>

#include "platform/geometry.h"

struct SDL_Window;

namespace platform::sdl {

// The pointer on the screen of `window`, asked of the X server. SDL's global
// pointer state is cached and misses absolute moves: warps, tablets, remote
// desktops. None on another video driver.
std::optional<Point> PointerOnScreen(SDL_Window* window);

}  // namespace platform::sdl
