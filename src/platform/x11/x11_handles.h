#pragma once

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <optional>

namespace platform::sdl {

// The X display and window behind an SDL window; none on another video driver.
struct X11Handles {
  Display* display = nullptr;
  ::Window window = 0;
};

inline std::optional<X11Handles> X11Of(SDL_Window* window) {
  if (window == nullptr) return std::nullopt;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  return X11Handles{info.info.x11.display, info.info.x11.window};
}

}  // namespace platform::sdl
