#include "platform/sdl/x11_errors.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace platform::sdl {

namespace {
int LogXError(Display* display, XErrorEvent* error) {
  // A frame window destroyed between SDL's query and its use: nothing of ours
  // is lost, and it happens on every hide under some window managers.
  if (error->error_code == BadWindow) return 0;
  char text[160] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "lumora: X11 request %d failed: %s\n", error->request_code, text);
  return 0;
}
}  // namespace

void KeepXErrorsNonFatal() { XSetErrorHandler(LogXError); }

}  // namespace platform::sdl
