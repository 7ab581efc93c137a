#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/present/frame_damage.h"
#include "platform/present/fullscreen_fit.h"
#include "platform/video.h"

namespace platform::web {

class WebWindows;

// Frames go to the windows' canvases: only the rectangle that changed since
// the canvas last took a frame, widened from 16 bits to the canvas's 32, and
// enlarged by the desktop's scale. Full screen the canvas covers the screen
// through the browser's Fullscreen API and shows the frame at the largest
// whole factor that fits, on black.
class WebVideo : public VideoService {
 public:
  explicit WebVideo(WebWindows& windows) : windows_(windows) {}

  PixelFormat DisplayFormat() const override { return PixelFormat::Rgb565(); }
  void SetFullScreen(WindowId window, bool on) override;
  DrawResult SetDisplayMode(Size, int32_t) override { return DrawResult::Ok; }
  DrawResult ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect& screen) override;
  bool TakeReset() override { return false; }
  bool RestorePrimary() override { return true; }
  void ReleaseScreen(WindowId window) override { SetFullScreen(window, false); }

  // The picture pixel under a point of the window's canvas.
  Point ToPicture(WindowId window, Point canvas) const;

 private:
  struct Target {
    ShownFrame shown;
    FullScreenFit fit;  // where the last frame stood on the canvas
    Size screen;              // the full-screen canvas
    bool fullScreen = false;
  };

  WebWindows& windows_;
  std::map<WindowId, Target> targets_;
  std::vector<uint32_t> rgba_;
};

}  // namespace platform::web
