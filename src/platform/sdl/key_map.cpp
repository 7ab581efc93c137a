#include "platform/sdl/key_map.h"

#include <SDL.h>

#include "platform/events.h"

namespace platform::sdl {

uint16_t VirtualKeyOf(int32_t sdlKeycode) {
  switch (sdlKeycode) {
    case SDLK_ESCAPE:
      return kKeyEscape;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return kKeyReturn;
    case SDLK_SPACE:
      return kKeySpace;
    case SDLK_TAB:
      return kKeyTab;
    case SDLK_LEFT:
      return kKeyLeft;
    case SDLK_UP:
      return kKeyUp;
    case SDLK_RIGHT:
      return kKeyRight;
    case SDLK_DOWN:
      return kKeyDown;
    default:
      break;
  }
  // Letter and digit keys are named by their upper-case character.
  if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z) return static_cast<uint16_t>(sdlKeycode - SDLK_a + 'A');
  if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9) return static_cast<uint16_t>(sdlKeycode);
  return 0;
}

}  // namespace platform::sdl
