#pragma once

#include <string>
#include <vector>

#include "platform/sound.h"

namespace platform::headless {

// Records every sound the game starts, in order.
class HeadlessSound : public SoundService {
 public:
  void PlayAsync(const std::string& path) override { played_.push_back(path); }
  const std::vector<std::string>& Played() const { return played_; }
  void Clear() { played_.clear(); }

 private:
  std::vector<std::string> played_;
};

}  // namespace platform::headless
