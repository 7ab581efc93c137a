#include "platform/web/web_events.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include "platform/web/web_clock.h"
#include "platform/web/web_video.h"
#include "platform/web/web_windows.h"

namespace platform::web {

namespace {

WebEvents* queue = nullptr;

ShiftState ShiftOf(const EmscriptenKeyboardEvent& e) {
  return (e.shiftKey ? 1u : 0u) | (e.altKey ? 2u : 0u) | (e.ctrlKey ? 4u : 0u);
}

// The browser's key codes are the virtual-key codes for the keys the game
// takes: Tab, Enter, Escape, Space, the arrows, letters and digits.
uint16_t VirtualKeyOf(unsigned long code) {
  switch (code) {
    case kKeyTab:
    case kKeyReturn:
    case kKeyEscape:
    case kKeySpace:
    case kKeyLeft:
    case kKeyUp:
    case kKeyRight:
    case kKeyDown:
      return static_cast<uint16_t>(code);
    default:
      break;
  }
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return static_cast<uint16_t>(code);
  return 0;
}

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* e, void*) {
  const uint16_t key = VirtualKeyOf(e->keyCode);
  if (queue == nullptr || key == 0 || e->ctrlKey || e->metaKey) return EM_FALSE;
  Event event;
  event.type = type == EMSCRIPTEN_EVENT_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
  event.window = queue->Windows().KeyWindow();
  event.key = key;
  event.shift = ShiftOf(*e);
  event.repeat = e->repeat;
  queue->Push(event);
  // Taken: no scrolling by arrows or Space, no focus moved by Tab.
  return EM_TRUE;
}

}  // namespace

WebEvents::WebEvents(WebWindows& windows, WebVideo& video, WebClock& clock)
    : windows_(windows), video_(video), clock_(clock) {
  queue = this;
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, OnKey);
  emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, OnKey);
}

WebEvents::~WebEvents() {
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, nullptr);
  emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, nullptr);
  queue = nullptr;
}

void WebEvents::Push(Event event) {
  const bool mouse = event.type == EventType::MouseDown || event.type == EventType::MouseUp ||
                     event.type == EventType::MouseMove;
  if (mouse) {
    if (!windows_.Exists(event.window)) return;
    const Point p = video_.ToPicture(event.window, {event.x, event.y});
    event.x = p.x;
    event.y = p.y;
  }
  if (event.window == kNoWindow) return;
  queue_.push_back(event);
}

void WebEvents::PushKey(EventType type, uint16_t key) {
  Event event;
  event.type = type;
  event.window = windows_.KeyWindow();
  event.key = key;
  Push(event);
}

bool WebEvents::Poll(Event& event) {
  if (queue_.empty()) return false;
  event = queue_.front();
  queue_.pop_front();
  return true;
}

bool WebEvents::Wait() {
  while (queue_.empty()) clock_.Sleep(50);
  return true;
}

}  // namespace platform::web

extern "C" EMSCRIPTEN_KEEPALIVE void web_push_pointer(int type, int window, int button, int x, int y, int shift) {
  if (platform::web::queue == nullptr) return;
  platform::Event event;
  event.type = static_cast<platform::EventType>(type);
  event.window = window;
  event.button = static_cast<platform::MouseButton>(button);
  event.x = x;
  event.y = y;
  event.shift = static_cast<platform::ShiftState>(shift);
  platform::web::queue->Push(event);
}

extern "C" EMSCRIPTEN_KEEPALIVE void web_push_key(int type, int key) {
  if (platform::web::queue != nullptr)
    platform::web::queue->PushKey(static_cast<platform::EventType>(type), static_cast<uint16_t>(key));
}

extern "C" EMSCRIPTEN_KEEPALIVE void web_push_state_saved() {
  if (platform::web::queue != nullptr) platform::web::queue->PushStateSaved();
}
