#pragma once

#include <string>
#include <vector>

#include "platform/sound.h"

namespace platform::headless {

// Records every sound the game starts, in order, and counts the loop's
// calls to settle.
class HeadlessSound : public SoundService {
 public:
  void PlayAsync(const std::string& path) override { played_.push_back(path); }
  void Settle() override { ++settles_; }
  const std::vector<std::string>& Played() const { return played_; }
  int Settles() const { return settles_; }
  void Clear() { played_.clear(); }

 private:
  std::vector<std::string> played_;
  int settles_ = 0;
};

}  // namespace platform::headless
