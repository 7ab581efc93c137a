#pragma once

#include <cstdint>
#include <optional>

#include "platform/geometry.h"
#include "platform/window_placement.h"

struct SDL_Window;

namespace platform::sdl {

// What the desktop system says and does for the game where SDL has no
// call. On Linux the X server and its window manager (x11/) and ALSA
// (alsa/) supply these; on Windows, Win32 (win32/). Each does nothing, or
// answers none, for a window of another video driver.

// Before SDL's video starts, and once it has started.
void BeforeVideoStarts();
void AfterVideoStarted();

// Before SDL's audio starts: a machine without a sound card is meant to be
// silent, on stderr too (ALSA on Linux, alsa/).
void QuietSoundLibrary();

// The whole factor a high-density desktop asks for, at least 1.
int32_t DesktopScale();
// Whether a GPU may drive OpenGL here (DRI2 or DRI3 on X11).
bool OffersDirectRendering();
// Whether SDL's renderers draw through OpenGL on this system, so a window
// must be made for OpenGL to take one without being made again.
bool RenderersDrawWithOpenGl();
// Whether the system hands out the window's own handle.
bool SystemKnows(SDL_Window* window);

// Read afresh: SDL keeps its own copies, which lag behind or are never cleared.
// The frame around the client area; none until the window manager frames it.
std::optional<FrameExtents> MeasuredFrame(SDL_Window* window);
// Whether a window manager announces itself on the window's screen.
bool WindowManagerRuns(SDL_Window* window);
// The client area's top-left corner on the screen.
std::optional<Point> ClientOrigin(SDL_Window* window);
// Moves the window so that its client area's corner is at `client`; false
// where SDL's own move is the way (the window manager places the frame).
bool MoveClientTo(SDL_Window* window, Point client);
// The pointer on the window's screen.
std::optional<Point> PointerOnScreen(SDL_Window* window);

// No taskbar entry. A hidden window carries the state into its next showing;
// a shown one asks the window manager for it.
void SkipTaskbar(SDL_Window* window, bool shown);
// The frame offers moving and closing only: no minimise, maximise or resize.
void OfferMoveAndCloseOnly(SDL_Window* window);
// Whether the window takes the activation as it is shown.
void ActivateOnMap(SDL_Window* window, bool activate);
// Whether the window is held iconified, and asking it back.
bool Iconic(SDL_Window* window);
void Deiconify(SDL_Window* window);

}  // namespace platform::sdl
