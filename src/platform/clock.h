#pragma once

#include <cstdint>

namespace platform {

class ClockService {
 public:
  virtual ~ClockService() = default;
  virtual void Sleep(uint32_t milliseconds) = 0;
  // Whole seconds since 1 January 1970.
  virtual int64_t NowSeconds() const = 0;
};

}  // namespace platform
