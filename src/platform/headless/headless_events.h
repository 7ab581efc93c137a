#pragma once

#include <deque>

#include "platform/events.h"

namespace platform::headless {

class HeadlessWindows;

// Events fed by the test. Taking a mouse event moves the virtual pointer to
// its position, as the real pointer would be there when it arrives.
class HeadlessEvents : public EventService {
 public:
  explicit HeadlessEvents(HeadlessWindows& windows) : windows_(windows) {}

  bool Poll(Event& event) override;
  // Nothing blocks here: a test that waits with no event pending goes on,
  // told that no event will come.
  bool Wait() override {
    ++waits_;
    return !queue_.empty();
  }
  void PutBack(const Event& event) override { queue_.push_front(event); }

  void Push(const Event& event) { queue_.push_back(event); }
  bool Empty() const { return queue_.empty(); }
  int Waits() const { return waits_; }

 private:
  HeadlessWindows& windows_;
  std::deque<Event> queue_;
  int waits_ = 0;
};

}  // namespace platform::headless
