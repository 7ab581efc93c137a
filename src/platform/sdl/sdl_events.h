#pragma once

#include <deque>

#include "platform/events.h"
#include "platform/geometry.h"

union SDL_Event;

namespace platform::sdl {

class SdlWindows;
class SdlVideo;

// SDL's queue told as the framework's events. Events the framework has no
// word for are handled here (repaints, renderer resets) or passed over.
class SdlEvents : public EventService {
 public:
  SdlEvents(SdlWindows& windows, SdlVideo& video) : windows_(windows), video_(video) {}

  bool Poll(Event& event) override;
  bool Wait() override;
  void PutBack(const Event& event) override { putBack_.push_front(event); }

 private:
  bool Translate(const SDL_Event& in, Event& out);
  // Window coordinates to client ones: the same, unless the window fills the
  // screen with a scaled picture.
  Point ToClient(WindowId id, int32_t x, int32_t y) const;

  SdlWindows& windows_;
  SdlVideo& video_;
  std::deque<Event> putBack_;
};

}  // namespace platform::sdl
