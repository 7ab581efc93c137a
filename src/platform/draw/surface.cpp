#include "platform/draw/surface.h"

#include <algorithm>

namespace platform {

Surface::Surface(int32_t width, int32_t height, PixelFormat format, std::shared_ptr<const DeviceResets> device)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pitchPixels_((std::max(width, 0) + 15) / 16 * 16 + 8),
      format_(format),
      pixels_(static_cast<size_t>(pitchPixels_) * std::max(height, 0), 0),
      device_(std::move(device)),
      seenResets_(device_ ? device_->count : 0) {}

DrawResult Surface::Lock(SurfaceMemory& memory) {
  if (IsLost()) return DrawResult::SurfaceLost;
  memory = {pixels_.data(), pitchPixels_ * 2, format_};
  locked_ = true;
  return DrawResult::Ok;
}

void Surface::Unlock() { locked_ = false; }

DrawResult Surface::Restore() {
  if (!IsLost()) return DrawResult::Ok;
  lost_ = false;
  if (device_) seenResets_ = device_->count;
  // Whatever the memory held before is gone.
  uint16_t noise = 0x5A5A;
  for (auto& p : pixels_) {
    noise = static_cast<uint16_t>(noise * 75 + 74);
    p = noise;
  }
  return DrawResult::Ok;
}

void Surface::Fill(uint16_t value) { std::fill(pixels_.begin(), pixels_.end(), value); }

}  // namespace platform
