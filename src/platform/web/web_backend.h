#pragma once

#include "platform/backend.h"
#include "platform/web/web_clock.h"
#include "platform/web/web_events.h"
#include "platform/web/web_message_boxes.h"
#include "platform/web/web_sound.h"
#include "platform/web/web_video.h"
#include "platform/web/web_windows.h"

namespace platform::web {

// The services in a browser page, owned together; one for the page's life.
struct WebBackend {
  WebWindows windows;
  WebVideo video{windows};
  WebClock clock;
  WebEvents events{windows, video, clock};
  WebSound sound;
  WebMessageBoxes boxes{windows, events, video};
  Backend services{windows, events, clock, sound, boxes, video};
};

}  // namespace platform::web
