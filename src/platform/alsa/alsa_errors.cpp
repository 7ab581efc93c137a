#include <alsa/asoundlib.h>

#include "platform/sdl/native_system.h"

namespace platform::sdl {

namespace {
void Quiet(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

// ALSA reports a machine without a sound card on stderr as SDL probes it.
void QuietSoundLibrary() { snd_lib_error_set_handler(Quiet); }

}  // namespace platform::sdl
