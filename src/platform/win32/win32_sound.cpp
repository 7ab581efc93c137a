#include "platform/sdl/native_window.h"

namespace platform::sdl {

// WASAPI and DirectSound report nothing on stderr.
void QuietSoundLibrary() {}

}  // namespace platform::sdl
