#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace platform::headless {

// Records the message boxes instead of showing them.
class HeadlessMessageBoxes : public MessageBoxService {
 public:
  struct Box {
    std::string caption;
    std::string text;
  };

  void ShowError(const std::string& caption, const std::string& text) override {
    boxes_.push_back({caption, text});
  }
  const std::vector<Box>& Shown() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  std::vector<Box> boxes_;
};

}  // namespace platform::headless
