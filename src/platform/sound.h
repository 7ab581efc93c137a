#pragma once

#include <string>

namespace platform {

class SoundService {
 public:
  virtual ~SoundService() = default;
  // Starts the wave file at path and returns at once; a sound still playing is
  // cut off. A missing or unplayable file is silent.
  virtual void PlayAsync(const std::string& path) = 0;
  // Called by the message loop whenever no message waits, so it must be
  // cheap: a backend whose sound has played out gives back what keeps the
  // machine busy meanwhile (the SDL one closes its audio device).
  virtual void Settle() = 0;
};

}  // namespace platform
