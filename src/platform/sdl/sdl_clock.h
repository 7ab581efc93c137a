#pragma once

#include "platform/clock.h"

namespace platform::sdl {

// The wall clock, and sleeps that really pass.
class SdlClock : public ClockService {
 public:
  void Sleep(uint32_t milliseconds) override;
  int64_t NowSeconds() const override;
};

}  // namespace platform::sdl
