#pragma once

#include <memory>
#include <string>

#include "platform/bitmap/bitmap_file.h"
#include "platform/error_box/error_box.h"
#include "platform/text/font.h"
#include "platform/video.h"
#include "platform/window.h"

namespace platform {

// The face the box writes in: the dialog's proportional Japanese face, 12
// pixels high. Its FaceName() is empty when no face was found.
std::unique_ptr<Font> ErrorBoxFont(int32_t scale = 1);
// The error icon, decoded once.
const Picture& ErrorIcon();

enum class BoxEnd {
  Answered,     // OK, a key or the window's close
  Quit,         // the process was asked to end; the Quit is handed back
  NoMoreInput,  // the event source ran dry (only the headless one does)
};

struct BoxRun {
  BoxEnd end = BoxEnd::Answered;
  WindowId window = kNoWindow;
};

// Shows the box in a window of its own, captioned `caption` (CP932), over
// the client area of `owner` or in the screen's middle for kNoWindow, and
// turns its own loop until the box is closed. Meanwhile events for the other
// windows are dropped, as they take no input while the box is up.
BoxRun RunErrorBox(WindowService& windows, EventService& events, VideoService& video, WindowId owner,
                   const std::string& caption, ErrorBox& box);

}  // namespace platform
