#pragma once

#include "platform/video.h"

namespace platform::headless {

// The display device on the virtual screen.
class HeadlessVideo : public VideoService {};

}  // namespace platform::headless
