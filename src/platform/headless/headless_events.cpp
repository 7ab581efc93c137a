#include "platform/headless/headless_events.h"

#include "platform/headless/headless_windows.h"

namespace platform::headless {

bool HeadlessEvents::Poll(Event& event) {
  if (queue_.empty()) return false;
  event = queue_.front();
  queue_.pop_front();
  const bool mouse = event.type == EventType::MouseDown || event.type == EventType::MouseUp ||
                     event.type == EventType::MouseMove;
  const HeadlessWindows::Window* w = windows_.Find(event.window);
  if (mouse && w != nullptr) {
    const Point pos = windows_.Position(event.window);
    const Point frame = windows_.ClientOffset(event.window);
    windows_.SetCursor({pos.x + frame.x + event.x, pos.y + frame.y + event.y});
    // The game's enlarged picture takes the point under the pointer.
    if (w->desc.borderless) {
      event.x /= windows_.Scale();
      event.y /= windows_.Scale();
    }
  }
  return true;
}

}  // namespace platform::headless
