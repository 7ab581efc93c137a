#pragma once

#include <stdexcept>
#include <string>

namespace platform::sdl {

// SDL could not start; the message names the call that failed and why.
class SdlStartError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// SDL's video and events for the lifetime of the backend. Audio starts
// separately, at the first sound.
class SdlSession {
 public:
  SdlSession();
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;
};

}  // namespace platform::sdl
