#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/error_box/modal_box.h"
#include "platform/events.h"
#include "platform/message_box.h"

namespace platform::headless {

// Records the message boxes instead of showing them. Tests that drive a box
// as the player would turn ShowBoxes on.
class HeadlessMessageBoxes : public MessageBoxService {
 public:
  struct Box {
    std::string caption;
    std::string text;
    WindowId owner = kNoWindow;
    // Where the box stood and how it went down; kNoWindow when only recorded.
    WindowId window = kNoWindow;
    BoxEnd end = BoxEnd::NoMoreInput;
  };

  HeadlessMessageBoxes(WindowService& windows, EventService& events, VideoService& video)
      : windows_(windows), events_(events), video_(video) {}

  void ShowError(WindowId owner, const std::string& caption, const std::string& text) override;
  // While on, each box also stands up in a window of its own, shows its frame
  // and takes the queued events up to the one that closes it, or until none
  // are left.
  void ShowBoxes(bool on) { showBoxes_ = on; }

  const std::vector<Box>& Shown() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  WindowService& windows_;
  EventService& events_;
  VideoService& video_;
  bool showBoxes_ = false;
  std::unique_ptr<Font> font_;
  std::vector<Box> boxes_;
};

}  // namespace platform::headless
