#pragma once

#include <optional>

#include "platform/geometry.h"
#include "platform/window_placement.h"

struct SDL_Window;

namespace platform::sdl {

// What the X server and the window manager say of a window, read afresh:
// SDL keeps its own copies, which lag behind or are never cleared.

// The frame from _NET_FRAME_EXTENTS; none until the window manager sets it.
std::optional<FrameExtents> MeasuredFrame(SDL_Window* window);
// Whether a window manager announces itself on the window's screen.
bool WindowManagerRuns(SDL_Window* window);
// The client area's top-left corner on the screen.
std::optional<Point> ClientOrigin(SDL_Window* window);

}  // namespace platform::sdl
