#pragma once

struct SDL_Window;

namespace platform::sdl {

// Hints to the window manager that SDL has no call for. Each does nothing on
// another video driver.

// No taskbar entry. A hidden window carries the state into its next showing;
// a shown one asks the window manager for it.
void SkipTaskbar(SDL_Window* window, bool shown);
// The frame offers moving and closing only: no minimise, maximise or resize.
void OfferMoveAndCloseOnly(SDL_Window* window);
// Whether the window manager gives the window the activation as it maps it:
// a user time of 0 asks it not to, and no user time leaves it to its rules.
void ActivateOnMap(SDL_Window* window, bool activate);
// Whether the window manager holds the window iconified, and asking it back.
// False, and nothing done, on another video driver.
bool Iconic(SDL_Window* window);
void Deiconify(SDL_Window* window);

}  // namespace platform::sdl
