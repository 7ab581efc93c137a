#pragma once

#include "platform/clock.h"

namespace platform::headless {

// Virtual time: sleeping only moves the clock on.
class HeadlessClock : public ClockService {
 public:
  explicit HeadlessClock(int64_t startSeconds = 1'700'000'000) : startSeconds_(startSeconds) {}

  void Sleep(uint32_t milliseconds) override {
    elapsedMs_ += milliseconds;
    ++sleeps_;
  }
  int64_t NowSeconds() const override { return startSeconds_ + elapsedMs_ / 1000; }

  int64_t ElapsedMilliseconds() const { return elapsedMs_; }
  int64_t Sleeps() const { return sleeps_; }

 private:
  int64_t startSeconds_;
  int64_t elapsedMs_ = 0;
  int64_t sleeps_ = 0;
};

}  // namespace platform::headless
