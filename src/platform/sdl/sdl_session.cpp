#include "platform/sdl/sdl_session.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/sdl/native_system.h"

namespace platform::sdl {

SdlSession::SdlSession() {
  // SIGINT and SIGTERM must reach the loop as SDL_QUIT, and closing one of
  // the two windows is the program's own business, not a quit.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The game gives the screen up itself when it loses the activation.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // A click that activates a window is a click too: SDL would drop it, so
  // the panel's button or a second copy's start button took two clicks.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  BeforeVideoStarts();
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::string why = SDL_GetError();
    SDL_Quit();
    throw SdlStartError("SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) failed: " + why);
  }
  // With no display SDL falls back to drivers that show nothing; those are
  // only good when asked for by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  const bool invisible = driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
  if (invisible && (asked == nullptr || driver == nullptr || std::strcmp(asked, driver) != 0)) {
    const std::string found = driver != nullptr ? driver : "none";
    SDL_Quit();
    throw SdlStartError("SDL found no display to open a window on (video driver " + found +
                        "; is DISPLAY or WAYLAND_DISPLAY set?)");
  }
  AfterVideoStarted();
  // SDL starts with text input on, which sets up the input method for every
  // window and adds a text event to each key; the game reads keys only.
  SDL_StopTextInput();
}

SdlSession::~SdlSession() { SDL_Quit(); }

}  // namespace platform::sdl
