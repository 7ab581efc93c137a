#pragma once

#include <cstdint>

namespace platform::sdl {

// The virtual-key code for an SDL keycode, or 0 for a key the game has no
// use for.
uint16_t VirtualKeyOf(int32_t sdlKeycode);

}  // namespace platform::sdl
