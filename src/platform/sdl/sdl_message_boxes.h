#pragma once

#include <memory>

#include "platform/message_box.h"
#include "platform/text/font.h"

namespace platform {
class WindowService;
class EventService;
class VideoService;
}  // namespace platform

namespace platform::sdl {

// The game's own error box, drawn in the Japanese face. Where no face can be
// found, or the box's window cannot be made, SDL's box shows the message and
// it goes to stderr too.
class SdlMessageBoxes : public MessageBoxService {
 public:
  SdlMessageBoxes(WindowService& windows, EventService& events, VideoService& video)
      : windows_(windows), events_(events), video_(video) {}

  void ShowError(WindowId owner, const std::string& caption, const std::string& text) override;

 private:
  WindowService& windows_;
  EventService& events_;
  VideoService& video_;
  std::unique_ptr<Font> font_;
};

}  // namespace platform::sdl
