#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// The framework's own error: its message is a CP932 byte string, shown by the
// application's error display.
class FrameworkError : public std::runtime_error {
 public:
  explicit FrameworkError(const std::string& cp932Message) : std::runtime_error(cp932Message) {}
};

}  // namespace platform
