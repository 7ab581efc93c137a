#pragma once

namespace platform {

class WindowService;
class EventService;
class ClockService;
class SoundService;
class MessageBoxService;
class VideoService;

// One object per platform service; a backend hands out the set it owns.
struct Backend {
  WindowService& windows;
  EventService& events;
  ClockService& clock;
  SoundService& sound;
  MessageBoxService& boxes;
  VideoService& video;
};

}  // namespace platform
