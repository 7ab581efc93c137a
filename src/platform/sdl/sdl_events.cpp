#include "platform/sdl/sdl_events.h"

#include <SDL.h>

#include "platform/sdl/key_map.h"
#include "platform/sdl/sdl_video.h"
#include "platform/sdl/sdl_windows.h"

namespace platform::sdl {

namespace {

// The framework's usual modifier bits: shift 1, alt 2, control 4.
ShiftState ShiftOf(Uint16 mod) {
  ShiftState shift = 0;
  if ((mod & KMOD_SHIFT) != 0) shift |= 1;
  if ((mod & KMOD_ALT) != 0) shift |= 2;
  if ((mod & KMOD_CTRL) != 0) shift |= 4;
  return shift;
}

bool ButtonOf(Uint8 sdlButton, MouseButton& button) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      button = MouseButton::Left;
      return true;
    case SDL_BUTTON_RIGHT:
      button = MouseButton::Right;
      return true;
    case SDL_BUTTON_MIDDLE:
      button = MouseButton::Middle;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool SdlEvents::Poll(Event& event) {
  windows_.Settle();
  if (!putBack_.empty()) {
    event = putBack_.front();
    putBack_.pop_front();
    return true;
  }
  SDL_Event in;
  while (SDL_PollEvent(&in) != 0) {
    if (Translate(in, event)) return true;
  }
  return false;
}

bool SdlEvents::Wait() {
  if (!putBack_.empty()) return true;
  // The window manager's frame comes with no event of SDL's: look again now
  // and then while a window still has to be placed.
  while (windows_.Settling()) {
    if (SDL_WaitEventTimeout(nullptr, 50) != 0) return true;
    windows_.Settle();
  }
  return SDL_WaitEvent(nullptr) != 0;
}

Point SdlEvents::ToClient(WindowId id, int32_t x, int32_t y) const {
  const std::optional<FullScreenFit> fit = video_.PictureFit(id);
  return fit ? ScreenToPicture(*fit, {x, y}) : Point{x, y};
}

bool SdlEvents::Translate(const SDL_Event& in, Event& out) {
  out = Event{};
  switch (in.type) {
    case SDL_QUIT:
      out.type = EventType::Quit;
      return true;
    case SDL_WINDOWEVENT: {
      const WindowId id = windows_.FromNative(in.window.windowID);
      if (id == kNoWindow) return false;
      if (in.window.event == SDL_WINDOWEVENT_EXPOSED) video_.Repaint(id);
      if (in.window.event == SDL_WINDOWEVENT_MOVED) windows_.NoteWindowMoved();
      // A framed window offers no minimise; where the window manager gives
      // one anyway, the window comes back, since no taskbar entry would.
      if (in.window.event == SDL_WINDOWEVENT_MINIMIZED) windows_.BringBack(id);
      if (in.window.event != SDL_WINDOWEVENT_CLOSE) return false;
      out.type = EventType::CloseRequest;
      out.window = id;
      return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      out.window = windows_.FromNative(in.button.windowID);
      if (out.window == kNoWindow || !ButtonOf(in.button.button, out.button)) return false;
      out.type = in.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
      const Point p = ToClient(out.window, in.button.x, in.button.y);
      out.x = p.x;
      out.y = p.y;
      out.shift = ShiftOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }
    case SDL_MOUSEMOTION: {
      windows_.NotePointerMoved();
      out.window = windows_.FromNative(in.motion.windowID);
      if (out.window == kNoWindow) return false;
      out.type = EventType::MouseMove;
      const Point p = ToClient(out.window, in.motion.x, in.motion.y);
      out.x = p.x;
      out.y = p.y;
      out.shift = ShiftOf(static_cast<Uint16>(SDL_GetModState()));
      return true;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      out.window = windows_.FromNative(in.key.windowID);
      out.key = VirtualKeyOf(in.key.keysym.sym);
      if (out.window == kNoWindow || out.key == 0) return false;
      out.type = in.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
      out.shift = ShiftOf(in.key.keysym.mod);
      out.repeat = in.key.repeat != 0;
      return true;
    case SDL_RENDER_TARGETS_RESET:
      video_.NoteReset(false);
      return false;
    case SDL_RENDER_DEVICE_RESET:
      video_.NoteReset(true);
      return false;
    default:
      return false;
  }
}

}  // namespace platform::sdl
