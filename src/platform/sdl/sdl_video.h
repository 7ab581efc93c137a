#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/fullscreen_fit.h"
#include "platform/sdl/sdl_windows.h"
#include "platform/video.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform::sdl {

// Presents 16-bit frames through an SDL renderer per window, each with one
// streaming texture. Windowed a frame goes one to one into the window; full
// screen the window covers the desktop in its own mode and the frame is
// scaled by a whole factor, centred on black.
class SdlVideo : public VideoService, public WindowPresenter {
 public:
  // How a 565 frame reaches the texture. bench/present_bench.cpp on Mesa GL:
  // on game-like pictures the 65536-entry table converts a frame in ~105 us
  // against SDL's ~155 us for a 565 texture (SDL wins only on pure noise), so
  // the table into the renderer's own 32-bit format is the default.
  enum class PresentPath { Rgb565Texture, LookupTable };

  explicit SdlVideo(SdlWindows& windows, PresentPath path = PresentPath::LookupTable);
  ~SdlVideo() override;
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;

  PixelFormat DisplayFormat() const override { return PixelFormat::Rgb565(); }
  void SetFullScreen(WindowId window, bool on) override;
  // The monitor keeps its mode: full screen scales instead.
  DrawResult SetDisplayMode(Size, int32_t) override { return DrawResult::Ok; }
  // `screen` is not looked at: the window already stands there, so the frame
  // goes to its client area's corner.
  DrawResult ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect& screen) override;
  bool TakeReset() override;
  bool RestorePrimary() override;
  void ReleaseScreen(WindowId window) override;

  void Forget(WindowId id) override;
  std::optional<FullScreenFit> PictureFit(WindowId id) const override;

  // The renderer lost its render targets, or with `deviceLost` its textures too.
  void NoteReset(bool deviceLost);
  // Shows again what the window showed last, after the window system lost it;
  // a window that never had a frame shows its plain background.
  void Repaint(WindowId id);
  bool FullScreen(WindowId id) const;
  bool FillsScreen(WindowId id) const override { return FullScreen(id); }
  PresentPath Path() const { return path_; }
  // Textures are made anew in the other path's format at the next frame.
  void SetPresentPath(PresentPath path);
  // The renderer behind a window, once it has one; for the benchmark's label.
  std::string RendererName(WindowId id) const;

 private:
  struct Target {
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    Size textureSize;
    uint32_t textureFormat = 0;
    bool hasPicture = false;
    Rect shown;  // the texture's part that the window shows
    bool fullScreen = false;
    Point windowedAt;  // client corner, as SDL places windows
    Size windowedSize;
    FullScreenFit fit;
  };

  bool EnsureRenderer(WindowId id, Target& target);
  bool EnsureTexture(Target& target, Size size);
  bool Upload(Target& target, const Surface& frame, const Rect& source);
  bool Present(Target& target);
  void PaintBackground(WindowId id, Target& target);
  void DropRenderer(Target& target);
  void BuildTable(uint32_t format);

  SdlWindows& windows_;
  PresentPath path_;
  std::map<WindowId, Target> targets_;
  // Every 565 value's 32-bit pixel in `tableFormat_`.
  std::vector<uint32_t> table_;
  uint32_t tableFormat_ = 0;
  bool resetPending_ = false;
  bool deviceLost_ = false;
};

}  // namespace platform::sdl
