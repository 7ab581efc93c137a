#pragma once

#include <cstdint>

namespace platform {

using WindowId = int32_t;
inline constexpr WindowId kNoWindow = -1;

// Mouse buttons numbered as the game's handlers expect them.
enum class MouseButton : int32_t { Left = 0, Right = 1, Middle = 2 };

// Modifier keys; carried to the handlers, never looked at by the game.
using ShiftState = uint32_t;

// Virtual-key codes of the keys the game or its dialog cares about.
inline constexpr uint16_t kKeyTab = 9;
inline constexpr uint16_t kKeyReturn = 13;
inline constexpr uint16_t kKeyEscape = 27;
inline constexpr uint16_t kKeySpace = 32;
inline constexpr uint16_t kKeyLeft = 37;
inline constexpr uint16_t kKeyUp = 38;
inline constexpr uint16_t kKeyRight = 39;
inline constexpr uint16_t kKeyDown = 40;

enum class EventType {
  MouseDown,
  MouseUp,
  MouseMove,
  KeyDown,
  KeyUp,
  CloseRequest,  // the window system asks a window to close
  Quit,          // the process is asked to end (SIGTERM, SIGINT)
  StateSaved,    // another copy of the game saved its state files
};

// Positions are client coordinates of the window the event belongs to.
struct Event {
  EventType type = EventType::MouseMove;
  WindowId window = kNoWindow;
  MouseButton button = MouseButton::Left;
  int32_t x = 0;
  int32_t y = 0;
  uint16_t key = 0;
  ShiftState shift = 0;
  // A KeyDown that a held key repeats, rather than a new press.
  bool repeat = false;
};

class EventService {
 public:
  virtual ~EventService() = default;
  // Takes the next pending event, if any, without waiting.
  virtual bool Poll(Event& event) = 0;
  // Blocks until an event is pending; false when none can come any more.
  virtual bool Wait() = 0;
  // Hands an event that a modal loop took but does not answer back to the
  // main loop: the next Poll returns it.
  virtual void PutBack(const Event& event) = 0;
};

}  // namespace platform
