#pragma once

#include "platform/message_box.h"

namespace platform::sdl {

// Error boxes through SDL; with no display to show them on, the error goes
// to stderr instead.
class SdlMessageBoxes : public MessageBoxService {
 public:
  void ShowError(const std::string& caption, const std::string& text) override;
};

}  // namespace platform::sdl
