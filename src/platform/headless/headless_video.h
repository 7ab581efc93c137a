#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/draw/surface.h"
#include "platform/video.h"

namespace platform::headless {

// The last frame one window showed, row by row without padding.
struct ShownFrame {
  int count = 0;
  std::vector<uint16_t> pixels;
  Size size;
  Rect screen;
  uint16_t Pixel(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * size.width + x]; }
};

// The display device of the virtual screen. It keeps a copy of the last frame
// shown, and tests can make it refuse frames or lose its surfaces.
class HeadlessVideo : public VideoService {
 public:
  PixelFormat DisplayFormat() const override { return format_; }
  void SetFullScreen(WindowId, bool on) override { fullScreen_ = on; }
  DrawResult SetDisplayMode(Size size, int32_t bitsPerPixel) override {
    mode_ = size;
    bitsPerPixel_ = bitsPerPixel;
    return DrawResult::Ok;
  }
  DrawResult ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect& screen) override;
  bool TakeReset() override {
    const bool reset = resetPending_;
    resetPending_ = false;
    return reset;
  }
  bool RestorePrimary() override {
    ++primaryRestores_;
    return !primaryRestoreFails_;
  }
  void ReleaseScreen(WindowId) override {
    fullScreen_ = false;
    ++releases_;
  }

  void SetDisplayFormat(PixelFormat format) { format_ = format; }
  // The next `count` frames are refused with `result`.
  void RefuseFrames(int count, DrawResult result) {
    refusals_ = count;
    refusal_ = result;
  }
  // The device loses its render targets before the next frame.
  void ResetDevice() { resetPending_ = true; }
  void SetPrimaryRestoreFails(bool fails) { primaryRestoreFails_ = fails; }

  bool FullScreen() const { return fullScreen_; }
  Size DisplayMode() const { return mode_; }
  int32_t BitsPerPixel() const { return bitsPerPixel_; }
  // The counts and the last frame below start afresh and follow that window
  // only, so that the game's frames are not mixed with its dialog's.
  void WatchWindow(WindowId window) {
    watched_ = window;
    showCalls_ = 0;
    framesShown_ = 0;
    lastWindow_ = kNoWindow;
    lastSize_ = {};
    lastScreen_ = {};
  }
  // The last frame each window showed, whatever is watched.
  const ShownFrame& FrameOf(WindowId window) { return byWindow_[window]; }
  int ShowCalls() const { return showCalls_; }
  int FramesShown() const { return framesShown_; }
  int PrimaryRestores() const { return primaryRestores_; }
  int Releases() const { return releases_; }
  // The last frame shown, row by row without padding, and where it went.
  const std::vector<uint16_t>& LastFrame() const;
  Size LastFrameSize() const { return lastSize_; }
  Rect LastScreenRect() const { return lastScreen_; }
  uint16_t FramePixel(int32_t x, int32_t y) const { return LastFrame()[static_cast<size_t>(y) * lastSize_.width + x]; }

 private:
  PixelFormat format_ = PixelFormat::Rgb565();
  bool fullScreen_ = false;
  Size mode_;
  int32_t bitsPerPixel_ = 0;
  int refusals_ = 0;
  DrawResult refusal_ = DrawResult::Failed;
  bool resetPending_ = false;
  bool primaryRestoreFails_ = false;
  int showCalls_ = 0;
  int framesShown_ = 0;
  int primaryRestores_ = 0;
  int releases_ = 0;
  // The watched window that showed the last frame; its own copy is that frame.
  WindowId lastWindow_ = kNoWindow;
  Size lastSize_;
  Rect lastScreen_;
  WindowId watched_ = kNoWindow;
  std::map<WindowId, ShownFrame> byWindow_;
};

}  // namespace platform::headless
