#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/draw/pixel_format.h"
#include "platform/geometry.h"

namespace platform {

class Clipper;

// What a lock hands out: the first row, the row pitch in bytes and the masks.
struct SurfaceMemory {
  uint16_t* bits = nullptr;
  int32_t pitch = 0;
  PixelFormat format;
};

// Shared by the surfaces of one device: a reset of the device loses them all.
struct DeviceResets {
  uint64_t count = 0;
};

// A 16-bit surface in memory. Rows are padded, so the pitch is wider than the
// picture, as display memory often is.
class Surface {
 public:
  Surface(int32_t width, int32_t height, PixelFormat format, std::shared_ptr<const DeviceResets> device = nullptr);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  const PixelFormat& Format() const { return format_; }
  int32_t PitchPixels() const { return pitchPixels_; }

  // Fails while the surface is lost.
  DrawResult Lock(SurfaceMemory& memory);
  void Unlock();
  bool IsLocked() const { return locked_; }

  // The source colour key, one 16-bit value.
  void SetColorKey(uint16_t key) { colorKey_ = key; }
  std::optional<uint16_t> ColorKey() const { return colorKey_; }

  // Clipped copies into this surface are trimmed by its clipper.
  void SetClipper(const Clipper* clipper) { clipper_ = clipper; }
  const Clipper* AttachedClipper() const { return clipper_; }

  bool IsLost() const { return lost_ || (device_ && device_->count != seenResets_); }
  // As when the device takes the surface's memory away.
  void MarkLost() { lost_ = true; }
  // Gives the memory back; its contents are not (they come back as noise).
  DrawResult Restore();

  // Direct access for the 2D layer and for tests; no lock needed.
  uint16_t* Row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * pitchPixels_; }
  const uint16_t* Row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * pitchPixels_; }
  uint16_t Pixel(int32_t x, int32_t y) const { return Row(y)[x]; }
  void SetPixel(int32_t x, int32_t y, uint16_t value) { Row(y)[x] = value; }
  void Fill(uint16_t value);

  // The two buffers of a flip chain trade their memory on each flip.
  friend void SwapMemory(Surface& a, Surface& b) { a.pixels_.swap(b.pixels_); }

 private:
  int32_t width_;
  int32_t height_;
  int32_t pitchPixels_;
  PixelFormat format_;
  std::vector<uint16_t> pixels_;
  std::optional<uint16_t> colorKey_;
  const Clipper* clipper_ = nullptr;
  std::shared_ptr<const DeviceResets> device_;
  uint64_t seenResets_ = 0;
  bool lost_ = false;
  bool locked_ = false;
};

}  // namespace platform
