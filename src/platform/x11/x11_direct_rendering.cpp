#include "platform/sdl/native_system.h"

#include <X11/Xlib.h>

namespace platform::sdl {

bool OffersDirectRendering() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  int opcode = 0, event = 0, error = 0;
  const bool offered = XQueryExtension(display, "DRI3", &opcode, &event, &error) ||
                       XQueryExtension(display, "DRI2", &opcode, &event, &error);
  XCloseDisplay(display);
  return offered;
}

}  // namespace platform::sdl

namespace platform::sdl {

// SDL's renderers here are OpenGL's and the software one.
bool RenderersDrawWithOpenGl() { return true; }

}  // namespace platform::sdl
