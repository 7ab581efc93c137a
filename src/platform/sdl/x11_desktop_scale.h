#pragma once

#include <cstdint>

namespace platform::sdl {

// The desktop's whole scale factor from the X server's resources; 1 on
// another video driver.
int32_t DesktopScale();

}  // namespace platform::sdl
