#pragma once

#include "platform/backend.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_events.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_sound.h"
#include "platform/headless/headless_video.h"
#include "platform/headless/headless_windows.h"

namespace platform::headless {

// The services of the headless backend, owned together.
struct HeadlessBackend {
  // The clock starts at `startSeconds`, which the game takes as its seed.
  explicit HeadlessBackend(int64_t startSeconds = 1'700'000'000) : clock(startSeconds) {}

  HeadlessWindows windows;
  HeadlessEvents events{windows};
  HeadlessClock clock;
  HeadlessSound sound;
  HeadlessVideo video;
  HeadlessMessageBoxes boxes{windows, events, video};
  Backend services{windows, events, clock, sound, boxes, video};
};

}  // namespace platform::headless
