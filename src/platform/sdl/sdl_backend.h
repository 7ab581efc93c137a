#pragma once

#include "platform/backend.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/sdl/sdl_events.h"
#include "platform/sdl/sdl_message_boxes.h"
#include "platform/sdl/sdl_session.h"
#include "platform/sdl/sdl_sound.h"
#include "platform/sdl/sdl_video.h"
#include "platform/sdl/sdl_windows.h"

namespace platform::sdl {

// The services on a real display, owned together. Making one starts SDL and
// throws SdlStartError when it cannot.
struct SdlBackend {
  explicit SdlBackend(std::optional<SdlVideo::PresentPath> path = std::nullopt) : video{windows, path} {}
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  SdlSession session;
  SdlWindows windows;
  SdlVideo video;
  SdlEvents events{windows, video};
  SdlClock clock;
  SdlSound sound;
  SdlMessageBoxes boxes{windows, events, video};
  Backend services{windows, events, clock, sound, boxes, video};
};

}  // namespace platform::sdl
