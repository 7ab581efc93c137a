#include "platform/sdl/sdl_video.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/draw/clip.h"
#include "platform/draw/color.h"
#include "platform/draw/surface.h"
#include "platform/sdl/frame_convert.h"
#include "platform/sdl/scaled_copy.h"
#include "platform/sdl/native_system.h"

namespace platform::sdl {

namespace {

// The plain face of a framed window that has nothing drawn in it yet.
constexpr Rgb kDialogFace{212, 208, 200};

// Four bytes a pixel; RGB888 counts, though SDL calls it 24 bits.
bool IsPacked32(uint32_t format) {
  return !SDL_ISPIXELFORMAT_FOURCC(format) && SDL_BYTESPERPIXEL(format) == 4 &&
         SDL_PIXELTYPE(format) == SDL_PIXELTYPE_PACKED32;
}

// The renderer's own 32-bit layout, so that SDL has nothing left to convert.
uint32_t NativeFormat32(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) == 0) {
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
      if (IsPacked32(info.texture_formats[i])) return info.texture_formats[i];
    }
  }
  return SDL_PIXELFORMAT_ARGB8888;
}

int RenderDriverIndex(const char* name) {
  for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return i;
  }
  return -1;
}

// Asked right after the renderer is made, while its OpenGL context is current.
RendererFacts FactsOf(SDL_Renderer* renderer) {
  RendererFacts facts;
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return facts;
  facts.name = info.name;
  if (facts.name.rfind("opengl", 0) != 0) return facts;
  using GetString = const unsigned char* (*)(unsigned int);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  constexpr unsigned int kGlRenderer = 0x1F01;
  if (getString != nullptr) {
    if (const unsigned char* name = getString(kGlRenderer)) facts.glRenderer = reinterpret_cast<const char*>(name);
  }
  return facts;
}

SDL_Rect ToSdl(const Rect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

bool IsEmpty(const Rect& r) { return r.Width() <= 0 || r.Height() <= 0; }

}  // namespace

SdlVideo::SdlVideo(SdlWindows& windows, std::optional<PresentPath> path) : windows_(windows) {
  // The window surface goes straight to the window system; by default SDL
  // would put a renderer of its own behind it.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  softwareAsked_ = asked != nullptr && std::strcmp(asked, "software") == 0;
  if (path) {
    path_ = *path;
  } else {
    const char* driver = SDL_GetCurrentVideoDriver();
    facts_.x11 = driver != nullptr && std::strcmp(driver, "x11") == 0;
    facts_.rendererAsked = asked != nullptr && *asked != '\0';
    facts_.directRendering = facts_.x11 && !facts_.rendererAsked && OffersDirectRendering();
    const std::optional<PresentPath> chosen = ChoosePath(facts_);
    path_ = chosen.value_or(PresentPath::RendererTable);
    settled_ = chosen.has_value();
  }
  windows_.SetPresenter(this);
}

SdlVideo::~SdlVideo() {
  for (auto& [id, target] : targets_) DropRenderer(target);
  windows_.SetPresenter(nullptr);
}

void SdlVideo::DropRenderer(Target& target) {
  if (target.texture != nullptr) SDL_DestroyTexture(target.texture);
  if (target.renderer != nullptr) SDL_DestroyRenderer(target.renderer);
  target.texture = nullptr;
  target.renderer = nullptr;
  target.textureSize = {};
  target.shown.whole = true;
}

void SdlVideo::SetPresentPath(PresentPath path) {
  path_ = path;
  settled_ = true;
  for (auto& [id, target] : targets_) {
    DropRenderer(target);
    target.surface = nullptr;
  }
}

void SdlVideo::Forget(WindowId id) {
  auto it = targets_.find(id);
  if (it == targets_.end()) return;
  DropRenderer(it->second);
  targets_.erase(it);
}

void SdlVideo::Settle(Target& target) {
  settled_ = true;
  facts_.renderer = FactsOf(target.renderer);
  path_ = ChoosePath(facts_).value_or(PresentPath::RendererTable);
  if (path_ == PresentPath::WindowSurface) DropRenderer(target);
}

bool SdlVideo::EnsureRenderer(WindowId id, Target& target) {
  if (target.renderer != nullptr) return true;
  SDL_Window* window = windows_.Native(id);
  if (window == nullptr) return false;
  // An OpenGL renderer would replace a window not made for it under the
  // window manager's hands; such a window gets SDL's software renderer.
  const bool gl = (SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) != 0;
  // No vsync: the frame loop keeps its own pace and must not block here.
  target.renderer = SDL_CreateRenderer(window, gl ? -1 : RenderDriverIndex("software"), 0);
  if (target.renderer == nullptr) return false;
  target.shown.whole = true;
  if (!settled_) Settle(target);
  return true;
}

bool SdlVideo::EnsureTexture(Target& target, Size size) {
  if (target.texture != nullptr && target.textureSize == size) return true;
  if (target.texture != nullptr) SDL_DestroyTexture(target.texture);
  target.shown.whole = true;
  target.textureFormat = path_ == PresentPath::RendererTable ? NativeFormat32(target.renderer)
                                                             : static_cast<uint32_t>(SDL_PIXELFORMAT_RGB565);
  target.texture =
      SDL_CreateTexture(target.renderer, target.textureFormat, SDL_TEXTUREACCESS_STREAMING, size.width, size.height);
  if (target.texture == nullptr) {
    target.textureSize = {};
    return false;
  }
  SDL_SetTextureScaleMode(target.texture, SDL_ScaleModeNearest);
  target.textureSize = size;
  if (path_ == PresentPath::RendererTable) BuildTable(target.textureFormat);
  return true;
}

void SdlVideo::BuildTable(uint32_t format) {
  if (tableFormat_ == format && !table_.empty()) return;
  table_ = BuildTable565(format);
  tableFormat_ = table_.empty() ? 0 : format;
}

bool SdlVideo::Prepare(WindowId id, Target& target, Size frameSize) {
  if (path_ != PresentPath::WindowSurface && !EnsureRenderer(id, target)) return false;
  Size drawn;
  if (path_ == PresentPath::WindowSurface) {
    SDL_Surface* surface = SDL_GetWindowSurface(windows_.Native(id));
    if (surface != nullptr && IsPacked32(surface->format->format)) {
      BuildTable(surface->format->format);
      if (surface != target.surface) target.shown.whole = true;
      target.surface = surface;
      drawn = {surface->w, surface->h};
    } else {
      // A desktop of another depth: a renderer converts for it.
      SetPresentPath(PresentPath::RendererTable);
      if (!EnsureRenderer(id, target)) return false;
    }
  }
  if (path_ != PresentPath::WindowSurface) {
    if (!EnsureTexture(target, frameSize) ||
        SDL_GetRendererOutputSize(target.renderer, &drawn.width, &drawn.height) != 0) {
      return false;
    }
  }
  // A resized window lost what it showed.
  if (drawn != target.drawnSize) target.shown.whole = true;
  target.drawnSize = drawn;
  return path_ != PresentPath::WindowSurface || !table_.empty();
}

bool SdlVideo::Upload(Target& target, const Rect& area) {
  const Surface& frame = target.shown.pixels;
  const SDL_Rect rect = ToSdl(area);
  if (path_ == PresentPath::Renderer565) {
    return SDL_UpdateTexture(target.texture, &rect, frame.Row(area.top) + area.left, frame.PitchPixels() * 2) == 0;
  }
  if (tableFormat_ != target.textureFormat) return false;
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(target.texture, &rect, &pixels, &pitch) != 0) return false;
  ConvertByTable(table_, frame, area, pixels, pitch);
  SDL_UnlockTexture(target.texture);
  return true;
}

FullScreenFit SdlVideo::FitOf(const Target& target) {
  const Size picture{target.shown.source.Width(), target.shown.source.Height()};
  return target.fullScreen ? FitWholeScale(picture, target.drawnSize) : FitFromCorner(picture, target.drawnSize);
}

bool SdlVideo::Present(Target& target) {
  SDL_SetRenderDrawColor(target.renderer, 0, 0, 0, 0xFF);
  SDL_RenderClear(target.renderer);
  const SDL_Rect src = ToSdl(target.shown.source);
  target.fit = FitOf(target);
  const SDL_Rect dst = ToSdl(target.fit.placed);
  if (SDL_RenderCopy(target.renderer, target.texture, &src, &dst) != 0) return false;
  SDL_RenderPresent(target.renderer);
  return true;
}

bool SdlVideo::DrawOnSurface(WindowId id, Target& target, const Damage& damage) {
  SDL_Surface* surface = target.surface;
  const Rect& source = target.shown.source;
  target.fit = FitOf(target);
  // Drawn whole, the window is black wherever the picture is not.
  if (damage.whole && SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0)) != 0) return false;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
  const Rect put = PutScaled(table_, target.shown.pixels, source, damage.whole ? source : damage.rect, target.fit,
                             {surface->pixels, surface->pitch, target.drawnSize});
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  const SDL_Rect rect = damage.whole ? SDL_Rect{0, 0, surface->w, surface->h} : ToSdl(put);
  if (rect.w <= 0 || rect.h <= 0) return true;
  return SDL_UpdateWindowSurfaceRects(windows_.Native(id), &rect, 1) == 0;
}

bool SdlVideo::Draw(WindowId id, Target& target, const Damage& damage) {
  if (path_ == PresentPath::WindowSurface) return DrawOnSurface(id, target, damage);
  return Upload(target, damage.whole ? target.shown.source : damage.rect) && Present(target);
}

DrawResult SdlVideo::ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect&) {
  const Rect s = Intersect(source, frame.Bounds());
  if (IsEmpty(s) || windows_.Native(window) == nullptr) return DrawResult::Failed;
  Target& target = targets_[window];
  if (!Prepare(window, target, {frame.Width(), frame.Height()})) return DrawResult::Failed;
  const Damage damage = TakeDamage(target.shown, frame, s);
  target.hasPicture = true;
  if (IsEmpty(damage.rect) || Draw(window, target, damage)) return DrawResult::Ok;
  target.shown.whole = true;
  return DrawResult::Failed;
}

void SdlVideo::PaintBackground(WindowId id, Target& target) {
  if (path_ != PresentPath::WindowSurface && !EnsureRenderer(id, target)) return;
  const Rgb face = windows_.Borderless(id) ? Rgb{} : kDialogFace;
  if (path_ == PresentPath::WindowSurface) {
    SDL_Window* native = windows_.Native(id);
    SDL_Surface* surface = SDL_GetWindowSurface(native);
    if (surface == nullptr || SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, face.r, face.g, face.b)) != 0)
      return;
    SDL_UpdateWindowSurface(native);
    return;
  }
  SDL_SetRenderDrawColor(target.renderer, face.r, face.g, face.b, 0xFF);
  SDL_RenderClear(target.renderer);
  SDL_RenderPresent(target.renderer);
}

void SdlVideo::Repaint(WindowId id) {
  if (windows_.Native(id) == nullptr) return;
  Target& target = targets_[id];
  const Surface& shown = target.shown.pixels;
  if (target.hasPicture && Prepare(id, target, {shown.Width(), shown.Height()}) &&
      Draw(id, target, {target.shown.source, true})) {
    target.shown.whole = false;
    return;
  }
  target.shown.whole = true;
  PaintBackground(id, target);
}

void SdlVideo::SetFullScreen(WindowId window, bool on) {
  SDL_Window* native = windows_.Native(window);
  if (native == nullptr) return;
  Target& target = targets_[window];
  if (on == target.fullScreen) return;
  if (on) {
    SDL_GetWindowPosition(native, &target.windowedAt.x, &target.windowedAt.y);
    SDL_GetWindowSize(native, &target.windowedSize.width, &target.windowedSize.height);
    target.fit = FitWholeScale(target.windowedSize, windows_.ScreenSize());
    // Covering the desktop first makes it full screen even where no window
    // manager answers the full-screen request.
    SDL_Rect desktop{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(native), &desktop) == 0) {
      SDL_SetWindowPosition(native, desktop.x, desktop.y);
      SDL_SetWindowSize(native, desktop.w, desktop.h);
    }
    SDL_SetWindowFullscreen(native, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(native, 0);
    SDL_SetWindowSize(native, target.windowedSize.width, target.windowedSize.height);
    SDL_SetWindowPosition(native, target.windowedAt.x, target.windowedAt.y);
  }
  target.fullScreen = on;
  target.shown.whole = true;
}

void SdlVideo::ReleaseScreen(WindowId window) { SetFullScreen(window, false); }

bool SdlVideo::FullScreen(WindowId id) const {
  auto it = targets_.find(id);
  return it != targets_.end() && it->second.fullScreen;
}

std::optional<FullScreenFit> SdlVideo::PictureFit(WindowId id) const {
  auto it = targets_.find(id);
  if (it == targets_.end() || (!it->second.fullScreen && it->second.fit.scale == 1)) return std::nullopt;
  return it->second.fit;
}

void SdlVideo::NoteReset(bool deviceLost) {
  resetPending_ = true;
  deviceLost_ = deviceLost_ || deviceLost;
}

bool SdlVideo::TakeReset() {
  const bool reset = resetPending_;
  resetPending_ = false;
  return reset;
}

bool SdlVideo::RestorePrimary() {
  bool working = true;
  for (auto& [id, target] : targets_) {
    target.shown.whole = true;
    if (path_ == PresentPath::WindowSurface) continue;
    // After a device reset nothing of the old renderer is to be trusted.
    if (deviceLost_) DropRenderer(target);
    if (!EnsureRenderer(id, target)) working = false;
  }
  if (working) deviceLost_ = false;
  return working;
}

std::string SdlVideo::DrawnBy(WindowId id) const {
  auto it = targets_.find(id);
  if (it == targets_.end()) return "none";
  const Target& target = it->second;
  if (path_ == PresentPath::WindowSurface && target.surface != nullptr)
    return std::string("window surface, ") + SDL_GetPixelFormatName(target.surface->format->format);
  SDL_RendererInfo info;
  if (target.renderer == nullptr || SDL_GetRendererInfo(target.renderer, &info) != 0) return "none";
  return info.name;
}

}  // namespace platform::sdl
