#pragma once

namespace platform::sdl {

// Xlib ends the program on any protocol error. A window manager that
// reparents or unmaps a window while SDL asks about it makes such errors
// in passing, so on X11 they are logged and the game goes on.
void KeepXErrorsNonFatal();

}  // namespace platform::sdl
