#include "platform/sdl/native_system.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

#include "platform/x11/x11_handles.h"

namespace platform::sdl {

namespace {
std::vector<Atom> WindowStates(Display* display, ::Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<Atom> states;
  if (XGetWindowProperty(display, window, property, 0, 64, False, XA_ATOM, &type, &format, &items, &after, &data) ==
          Success &&
      type == XA_ATOM && format == 32) {
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    states.assign(atoms, atoms + items);
  }
  if (data != nullptr) XFree(data);
  return states;
}
}  // namespace

void SkipTaskbar(SDL_Window* window, bool shown) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return;
  const Atom state = XInternAtom(x->display, "_NET_WM_STATE", False);
  const Atom skip = XInternAtom(x->display, "_NET_WM_STATE_SKIP_TASKBAR", False);
  if (shown) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = x->window;
    event.xclient.message_type = state;
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;  // add
    event.xclient.data.l[1] = static_cast<long>(skip);
    event.xclient.data.l[3] = 1;  // asked by an application
    XSendEvent(x->display, DefaultRootWindow(x->display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
  } else {
    // The window manager clears the state of a window it lets go; it reads
    // it again when the window is shown.
    std::vector<Atom> states = WindowStates(x->display, x->window, state);
    if (std::find(states.begin(), states.end(), skip) == states.end()) states.push_back(skip);
    XChangeProperty(x->display, x->window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(states.data()), static_cast<int>(states.size()));
  }
  XFlush(x->display);
}

void OfferMoveAndCloseOnly(SDL_Window* window) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return;
  // The Motif hints: flags, functions, decorations, input mode, status.
  enum : unsigned long { kFunctions = 1, kDecorations = 2 };
  enum : unsigned long { kMove = 4, kClose = 32 };
  enum : unsigned long { kBorder = 2, kTitle = 8 };
  const long hints[5] = {kFunctions | kDecorations, kMove | kClose, kBorder | kTitle, 0, 0};
  const Atom motif = XInternAtom(x->display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(x->display, x->window, motif, motif, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(hints),
                  5);
  XFlush(x->display);
}

void ActivateOnMap(SDL_Window* window, bool activate) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return;
  const Atom userTime = XInternAtom(x->display, "_NET_WM_USER_TIME", False);
  if (activate) {
    XDeleteProperty(x->display, x->window, userTime);
  } else {
    const long never = 0;
    XChangeProperty(x->display, x->window, userTime, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&never), 1);
  }
  XFlush(x->display);
}

bool Iconic(SDL_Window* window) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return false;
  const Atom wmState = XInternAtom(x->display, "WM_STATE", False);
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  bool iconic = false;
  if (XGetWindowProperty(x->display, x->window, wmState, 0, 2, False, wmState, &type, &format, &items, &after, &data) ==
          Success &&
      type == wmState && format == 32 && items >= 1) {
    iconic = reinterpret_cast<const long*>(data)[0] == IconicState;
  }
  if (data != nullptr) XFree(data);
  return iconic;
}

void Deiconify(SDL_Window* window) {
  const std::optional<X11Handles> x = X11Of(window);
  if (!x) return;
  // Mapping an iconified window asks the window manager for its normal state;
  // SDL's own call waits for the map, which a busy window manager may delay.
  XMapRaised(x->display, x->window);
  XFlush(x->display);
}

}  // namespace platform::sdl
