#pragma once

namespace platform::sdl {

// Whether the X server named by DISPLAY offers direct rendering (DRI3 or
// DRI2), the only way OpenGL reaches a GPU there. Asked on a connection of
// its own, so that no OpenGL library is loaded to find out.
bool X11OffersDirectRendering();

}  // namespace platform::sdl
