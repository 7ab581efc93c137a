#pragma once

#include <string>

namespace platform {

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // An error box; caption and text are CP932 byte strings.
  virtual void ShowError(const std::string& caption, const std::string& text) = 0;
};

}  // namespace platform
