#pragma once

#include <memory>

#include "platform/message_box.h"
#include "platform/text/font.h"

namespace platform {
class WindowService;
class EventService;
class VideoService;
}  // namespace platform

namespace platform::web {

// The game's own error box, a canvas over the window that raised it, drawn as
// on the desktop; the page's own alert() would stop the game's loop.
class WebMessageBoxes : public MessageBoxService {
 public:
  WebMessageBoxes(WindowService& windows, EventService& events, VideoService& video)
      : windows_(windows), events_(events), video_(video) {}

  void ShowError(WindowId owner, const std::string& caption, const std::string& text) override;

 private:
  WindowService& windows_;
  EventService& events_;
  VideoService& video_;
  std::unique_ptr<Font> font_;
};

}  // namespace platform::web
