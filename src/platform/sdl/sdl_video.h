#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/present/frame_damage.h"
#include "platform/present/fullscreen_fit.h"
#include "platform/sdl/present_path.h"
#include "platform/sdl/sdl_windows.h"
#include "platform/video.h"

struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;

namespace platform::sdl {

// Presents 16-bit frames to windows by the cheapest path the machine offers
// (present_path.h). Every frame is compared with the one the window shows:
// an unchanged frame is not presented again and a changed one brings only
// its changed rectangle to the screen. Windowed a frame goes one to one into
// the window; full screen the window covers the desktop in its own mode and
// the frame is scaled by a whole factor, centred on black.
class SdlVideo : public VideoService, public WindowPresenter {
 public:
  using PresentPath = sdl::PresentPath;

  // Without a path, the machine's cheapest is chosen.
  explicit SdlVideo(SdlWindows& windows, std::optional<PresentPath> path = std::nullopt);
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
  // SDL's software renderer, when asked for by name, needs no OpenGL window:
  // making one would load the OpenGL library for nothing.
  bool DrawsWithOpenGl() const override { return path_ != PresentPath::WindowSurface && !softwareAsked_; }

  // The renderer lost its render targets, or with `deviceLost` its textures too.
  void NoteReset(bool deviceLost);
  // Shows again the whole of what the window showed last, after the window
  // system lost it; a window that never had a frame shows its plain background.
  void Repaint(WindowId id);
  bool FullScreen(WindowId id) const;
  bool FillsScreen(WindowId id) const override { return FullScreen(id); }
  PresentPath Path() const { return path_; }
  // Every window shows its next frame whole by the given path.
  void SetPresentPath(PresentPath path);
  // What draws into a window, once it has shown a frame: the window surface's
  // layout, or the renderer's name; for the benchmark's label.
  std::string DrawnBy(WindowId id) const;

 private:
  struct Target {
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    Size textureSize;
    uint32_t textureFormat = 0;
    // The window surface drawn into last; a new one is drawn whole.
    SDL_Surface* surface = nullptr;
    Size drawnSize;  // the window's pixels when last drawn
    ShownFrame shown;
    bool hasPicture = false;
    bool fullScreen = false;
    Point windowedAt;  // client corner, as SDL places windows
    Size windowedSize;
    FullScreenFit fit;
  };

  // Makes what the path draws with; a new one, or one of a new size, makes
  // the next frame whole.
  bool Prepare(WindowId id, Target& target, Size frameSize);
  bool Draw(WindowId id, Target& target, const Damage& damage);
  bool DrawOnSurface(WindowId id, Target& target, const Damage& damage);
  bool EnsureRenderer(WindowId id, Target& target);
  bool EnsureTexture(Target& target, Size size);
  bool Upload(Target& target, const Rect& area);
  // Where the picture lands in its window: full screen at its whole scale,
  // centred; windowed from the corner, enlarged by the desktop's scale.
  static FullScreenFit FitOf(const Target& target);
  bool Present(Target& target);
  void PaintBackground(WindowId id, Target& target);
  void DropRenderer(Target& target);
  void BuildTable(uint32_t format);
  // Once the first renderer is made, the path that was waiting on it.
  void Settle(Target& target);

  SdlWindows& windows_;
  DisplayFacts facts_;
  PresentPath path_ = PresentPath::RendererTable;
  bool settled_ = true;
  bool softwareAsked_ = false;  // SDL_RENDER_DRIVER names SDL's software renderer
  std::map<WindowId, Target> targets_;
  // Every 565 value's 32-bit pixel in `tableFormat_`.
  std::vector<uint32_t> table_;
  uint32_t tableFormat_ = 0;
  bool resetPending_ = false;
  bool deviceLost_ = false;
};

}  // namespace platform::sdl
