#pragma once

#include <deque>

#include "platform/events.h"

namespace platform::web {

class WebWindows;
class WebVideo;
class WebClock;

// The page's input as the framework's events. The page's callbacks run while
// the game sleeps and only queue; the game takes the events when it wakes.
class WebEvents : public EventService {
 public:
  WebEvents(WebWindows& windows, WebVideo& video, WebClock& clock);
  ~WebEvents() override;

  bool Poll(Event& event) override;
  // Sleeps a frame's time at a time, on the clock's schedule, until an event
  // comes; never false, since a page always has more input to give.
  bool Wait() override;
  void PutBack(const Event& event) override { queue_.push_front(event); }

  // From the page: a pointer event in its canvas's pixels, or a key.
  void Push(Event event);
  // A key from the page's own buttons, for the window that takes the keys.
  void PushKey(EventType type, uint16_t key);
  // Another tab of the page saved the game's state.
  void PushStateSaved() { queue_.push_back({EventType::StateSaved}); }
  WebWindows& Windows() { return windows_; }

 private:
  WebWindows& windows_;
  WebVideo& video_;
  WebClock& clock_;
  std::deque<Event> queue_;
};

}  // namespace platform::web
