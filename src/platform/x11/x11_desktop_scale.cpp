#include "platform/sdl/native_system.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstring>

#include "platform/desktop_scale.h"

namespace platform::sdl {

int32_t DesktopScale() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) return 1;
  // SDL hands its display out only with a window; the resources are read
  // once, before there is one.
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 1;
  const char* resources = XResourceManagerString(display);
  const int32_t scale = resources != nullptr ? ScaleFromResources(resources) : 1;
  XCloseDisplay(display);
  return scale;
}

}  // namespace platform::sdl
