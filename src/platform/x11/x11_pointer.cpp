#include "platform/sdl/native_system.h"

#include "platform/x11/x11_handles.h"

namespace platform::sdl {

std::optional<Point> PointerOnScreen(SDL_Window* window) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return std::nullopt;
  ::Window root = 0, child = 0;
  int rootX = 0, rootY = 0, winX = 0, winY = 0;
  unsigned int mask = 0;
  if (!XQueryPointer(x->display, DefaultRootWindow(x->display), &root, &child, &rootX, &rootY, &winX, &winY, &mask))
    return std::nullopt;
  return Point{rootX, rootY};
}

bool SystemKnows(SDL_Window* window) { return X11Of(window).has_value(); }

}  // namespace platform::sdl
