#pragma once

#include <string>

namespace platform {

class SoundService {
 public:
  virtual ~SoundService() = default;
  // Starts the wave file at path and returns at once; a sound still playing is
  // cut off. A missing or unplayable file is silent.
  virtual void PlayAsync(const std::string& path) = 0;
};

}  // namespace platform
