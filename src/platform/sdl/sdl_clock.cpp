#include "platform/sdl/sdl_clock.h"

#include <chrono>
#include <thread>

namespace platform::sdl {

void SdlClock::Sleep(uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

int64_t SdlClock::NowSeconds() const {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace platform::sdl
