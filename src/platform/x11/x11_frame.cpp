#include "platform/sdl/native_system.h"

#include <X11/Xatom.h>

#include "platform/x11/x11_handles.h"

namespace platform::sdl {

namespace {
// The first `count` 32-bit items of a property, or none when it is not there.
template <typename Item, size_t count>
bool ReadProperty(Display* display, ::Window window, const char* name, Atom type, Item (&out)[count]) {
  Atom actualType = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  const Atom atom = XInternAtom(display, name, False);
  const int status = XGetWindowProperty(display, window, atom, 0, count, False, type, &actualType, &format, &items,
                                        &after, &data);
  const bool found = status == Success && actualType == type && format == 32 && items >= count;
  if (found) {
    // Xlib hands 32-bit items out as longs.
    const auto* values = reinterpret_cast<const long*>(data);
    for (size_t i = 0; i < count; ++i) out[i] = static_cast<Item>(values[i]);
  }
  if (data != nullptr) XFree(data);
  return found;
}
}  // namespace

std::optional<FrameExtents> MeasuredFrame(SDL_Window* window) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return std::nullopt;
  long extents[4] = {};
  if (!ReadProperty(x->display, x->window, "_NET_FRAME_EXTENTS", XA_CARDINAL, extents)) return std::nullopt;
  return FrameExtents{static_cast<int32_t>(extents[0]), static_cast<int32_t>(extents[2]),
                      static_cast<int32_t>(extents[1]), static_cast<int32_t>(extents[3])};
}

bool WindowManagerRuns(SDL_Window* window) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return false;
  ::Window check[1] = {};
  return ReadProperty(x->display, DefaultRootWindow(x->display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, check) &&
         check[0] != 0;
}

std::optional<Point> ClientOrigin(SDL_Window* window) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return std::nullopt;
  int rx = 0, ry = 0;
  ::Window child = 0;
  if (!XTranslateCoordinates(x->display, x->window, DefaultRootWindow(x->display), 0, 0, &rx, &ry, &child))
    return std::nullopt;
  return Point{rx, ry};
}

// SDL moves the frame's corner by its own copy of the frame, which
// SdlWindows allows for.
bool MoveClientTo(SDL_Window*, Point) { return false; }

}  // namespace platform::sdl
