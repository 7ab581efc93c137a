#pragma once

namespace platform {

// The display device that the display engine builds its surfaces on.
class VideoService {
 public:
  virtual ~VideoService() = default;
};

}  // namespace platform
