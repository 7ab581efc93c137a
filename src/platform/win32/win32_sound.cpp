#include "platform/sdl/native_system.h"

namespace platform::sdl {

// WASAPI and DirectSound report nothing on stderr.
void QuietSoundLibrary() {}

}  // namespace platform::sdl
