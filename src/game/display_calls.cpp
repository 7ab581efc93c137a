#include "game/varnix.h"

namespace game {

// The display engine fills these: building and releasing the surfaces, the
// pixel layout, presenting the frame and the opaque copy.
void TVarnix::InitDisplay() {}
void TVarnix::ReleaseDisplay() {}
void TVarnix::DetectPixelFormat() {}
void TVarnix::Present() {}
void TVarnix::BltOpaque(int32_t, int32_t, platform::Surface*, int32_t, int32_t, int32_t, int32_t) {}

}  // namespace game
