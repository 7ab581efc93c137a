#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/draw/clipper.h"
#include "platform/draw/surface.h"
#include "platform/events.h"
#include "platform/video.h"

namespace platform {

// The visible surface. Windowed it has no memory of its own: a copy onto it
// lands on the screen. Full screen it heads a flip chain with one back buffer.
class PrimarySurface {
 public:
  PrimarySurface(VideoService& video, WindowId window, std::shared_ptr<DeviceResets> resets, bool flipChain,
                 Size size, PixelFormat format);

  // The back buffer of the flip chain; null windowed. It stays the same
  // object while the memory behind it changes with each flip.
  Surface* BackBuffer() { return back_.get(); }
  DrawResult Flip();
  // Windowed: shows `srcRect` of `src` at `screenRect`.
  DrawResult Blt(const Rect& screenRect, Surface& src, const Rect& srcRect);
  DrawResult Restore();
  bool IsLost() const { return front_->IsLost(); }

 private:
  // A device reset seen now loses every surface of the device.
  bool NoticeReset();

  VideoService& video_;
  WindowId window_;
  std::shared_ptr<DeviceResets> resets_;
  std::unique_ptr<Surface> front_;
  std::unique_ptr<Surface> back_;
};

// The display device: made per build of the display, it hands out the
// surfaces and the clipper. Its clippers end with it, and ending it gives the
// screen back.
class DirectDraw {
 public:
  explicit DirectDraw(VideoService& video);
  ~DirectDraw();
  DirectDraw(const DirectDraw&) = delete;
  DirectDraw& operator=(const DirectDraw&) = delete;

  void SetCooperativeLevel(WindowId window, bool exclusiveFullScreen);
  DrawResult SetDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel);
  std::unique_ptr<PrimarySurface> CreatePrimary(bool flipChain);
  std::unique_ptr<Surface> CreateSurface(int32_t width, int32_t height);
  Clipper* CreateClipper();

  PixelFormat Format() const { return video_.DisplayFormat(); }

 private:
  VideoService& video_;
  WindowId window_ = kNoWindow;
  bool fullScreen_ = false;
  Size mode_{640, 480};
  std::shared_ptr<DeviceResets> resets_;
  std::vector<std::unique_ptr<Clipper>> clippers_;
};

}  // namespace platform
