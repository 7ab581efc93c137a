#include "platform/sdl/native_system.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

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

// Set before SDL's X11 driver starts, so that SDL, which puts back the
// handler it found when it shuts down, puts back this one: the displays it
// closes then may still report an error for a window already gone.
void BeforeVideoStarts() { XSetErrorHandler(LogXError); }

// SDL's X11 driver put its own in front; errors reach this one again.
void AfterVideoStarted() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::strcmp(driver, "x11") == 0) XSetErrorHandler(LogXError);
}

}  // namespace platform::sdl
