#pragma once

#include <cstdint>

#include "platform/draw/pixel_format.h"
#include "platform/events.h"
#include "platform/geometry.h"

namespace platform {

class Surface;

// The screen as the 2D layer presents to it.
class VideoService {
 public:
  virtual ~VideoService() = default;
  // The 16-bit layout that the display's surfaces take.
  virtual PixelFormat DisplayFormat() const = 0;
  // Exclusive use of the screen for the window, or the desktop back. The
  // monitor keeps its own mode; a full-screen frame is scaled to fit it.
  virtual void SetFullScreen(WindowId window, bool on) = 0;
  virtual DrawResult SetDisplayMode(Size size, int32_t bitsPerPixel) = 0;
  // Shows the `source` rectangle of `frame`: windowed at `screen`, the game
  // window's client area in screen pixels; full screen on the whole monitor.
  virtual DrawResult ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect& screen) = 0;
  // True once after the device lost its render targets: every surface is
  // then lost.
  virtual bool TakeReset() = 0;
  // Whether the visible surface can be had back after a loss.
  virtual bool RestorePrimary() = 0;
  // The program gives the screen back.
  virtual void ReleaseScreen(WindowId window) = 0;
};

}  // namespace platform
