#pragma once

#include <set>
#include <string>

#include "platform/sound.h"

namespace platform::web {

// Web Audio: each wave file is decoded once, then played from memory; a new
// sound stops the one still playing. Browsers keep audio shut until the
// player presses something, so sounds play from the first press on; the
// audio context runs only while one plays.
class WebSound : public SoundService {
 public:
  WebSound();
  void PlayAsync(const std::string& path) override;
  // The page suspends the audio context itself once a click has ended.
  void Settle() override {}

 private:
  std::set<std::string> decoded_;  // handed to the page to decode
};

}  // namespace platform::web
