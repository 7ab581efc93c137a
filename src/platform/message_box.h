#pragma once

#include <string>

#include "platform/events.h"

namespace platform {

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // An error box over the window `owner` (on the screen's middle for
  // kNoWindow); caption and text are CP932 byte strings. Modal: it returns
  // once the box is closed, and the other windows take no input until then.
  virtual void ShowError(WindowId owner, const std::string& caption, const std::string& text) = 0;
};

}  // namespace platform
