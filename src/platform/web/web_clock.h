#pragma once

#include "platform/clock.h"

namespace platform::web {

// Sleeps hand the page back to the browser. Each one is measured from the
// end of the last, so a frame's own work does not slow the game down; while
// the page is hidden the game sleeps on until it shows again.
class WebClock : public ClockService {
 public:
  WebClock();
  void Sleep(uint32_t milliseconds) override;
  int64_t NowSeconds() const override;

 private:
  double wake_ = 0;  // when the last sleep was to end, on the page's clock
  double woke_ = 0;  // when it did
};

}  // namespace platform::web
