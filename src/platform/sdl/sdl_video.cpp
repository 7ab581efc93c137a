#include "platform/sdl/sdl_video.h"

#include <SDL.h>

#include <algorithm>

#include "platform/draw/clip.h"
#include "platform/draw/color.h"
#include "platform/draw/surface.h"
#include "platform/sdl/frame_convert.h"

namespace platform::sdl {

namespace {

// The plain face of a framed window that has nothing drawn in it yet.
constexpr Rgb kDialogFace{212, 208, 200};

bool IsPacked32(uint32_t format) {
  return !SDL_ISPIXELFORMAT_FOURCC(format) && SDL_BITSPERPIXEL(format) == 32 &&
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

SDL_Rect ToSdl(const Rect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

}  // namespace

SdlVideo::SdlVideo(SdlWindows& windows, PresentPath path) : windows_(windows), path_(path) {
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
  target.hasPicture = false;
}

void SdlVideo::SetPresentPath(PresentPath path) {
  if (path == path_) return;
  path_ = path;
  for (auto& [id, target] : targets_) {
    if (target.texture != nullptr) SDL_DestroyTexture(target.texture);
    target.texture = nullptr;
    target.textureSize = {};
    target.hasPicture = false;
  }
}

void SdlVideo::Forget(WindowId id) {
  auto it = targets_.find(id);
  if (it == targets_.end()) return;
  DropRenderer(it->second);
  targets_.erase(it);
}

bool SdlVideo::EnsureRenderer(WindowId id, Target& target) {
  if (target.renderer != nullptr) return true;
  SDL_Window* window = windows_.Native(id);
  if (window == nullptr) return false;
  // No vsync: the frame loop keeps its own pace and must not block here.
  target.renderer = SDL_CreateRenderer(window, -1, 0);
  return target.renderer != nullptr;
}

bool SdlVideo::EnsureTexture(Target& target, Size size) {
  if (target.texture != nullptr && target.textureSize == size) return true;
  if (target.texture != nullptr) SDL_DestroyTexture(target.texture);
  target.hasPicture = false;
  target.textureFormat = path_ == PresentPath::LookupTable ? NativeFormat32(target.renderer)
                                                           : static_cast<uint32_t>(SDL_PIXELFORMAT_RGB565);
  target.texture =
      SDL_CreateTexture(target.renderer, target.textureFormat, SDL_TEXTUREACCESS_STREAMING, size.width, size.height);
  if (target.texture == nullptr) {
    target.textureSize = {};
    return false;
  }
  SDL_SetTextureScaleMode(target.texture, SDL_ScaleModeNearest);
  target.textureSize = size;
  if (path_ == PresentPath::LookupTable) BuildTable(target.textureFormat);
  return true;
}

void SdlVideo::BuildTable(uint32_t format) {
  if (tableFormat_ == format && !table_.empty()) return;
  table_ = BuildTable565(format);
  tableFormat_ = table_.empty() ? 0 : format;
}

bool SdlVideo::Upload(Target& target, const Surface& frame, const Rect& source) {
  const SDL_Rect rect = ToSdl(source);
  if (path_ == PresentPath::Rgb565Texture) {
    return SDL_UpdateTexture(target.texture, &rect, frame.Row(source.top) + source.left, frame.PitchPixels() * 2) ==
           0;
  }
  if (tableFormat_ != target.textureFormat) return false;
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(target.texture, &rect, &pixels, &pitch) != 0) return false;
  ConvertByTable(table_, frame, source, pixels, pitch);
  SDL_UnlockTexture(target.texture);
  return true;
}

bool SdlVideo::Present(Target& target) {
  SDL_SetRenderDrawColor(target.renderer, 0, 0, 0, 0xFF);
  SDL_RenderClear(target.renderer);
  const SDL_Rect src = ToSdl(target.shown);
  int width = 0, height = 0;
  if (SDL_GetRendererOutputSize(target.renderer, &width, &height) != 0) return false;
  if (target.fullScreen) {
    target.fit = FitWholeScale({src.w, src.h}, {width, height});
  } else {
    // A window the desktop's scale made larger than its picture shows it
    // enlarged by the whole factor, from its corner.
    const int32_t scale = std::max(1, std::min(width / std::max(1, src.w), height / std::max(1, src.h)));
    target.fit = {scale, {0, 0, src.w * scale, src.h * scale}};
  }
  const SDL_Rect dst = ToSdl(target.fit.placed);
  if (SDL_RenderCopy(target.renderer, target.texture, &src, &dst) != 0) return false;
  SDL_RenderPresent(target.renderer);
  return true;
}

DrawResult SdlVideo::ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect&) {
  const Rect s = Intersect(source, frame.Bounds());
  if (s.Width() <= 0 || s.Height() <= 0 || windows_.Native(window) == nullptr) return DrawResult::Failed;
  Target& target = targets_[window];
  if (!EnsureRenderer(window, target) || !EnsureTexture(target, {frame.Width(), frame.Height()}) ||
      !Upload(target, frame, s)) {
    return DrawResult::Failed;
  }
  target.shown = s;
  target.hasPicture = true;
  return Present(target) ? DrawResult::Ok : DrawResult::Failed;
}

void SdlVideo::PaintBackground(WindowId id, Target& target) {
  if (!EnsureRenderer(id, target)) return;
  const Rgb face = windows_.Borderless(id) ? Rgb{} : kDialogFace;
  SDL_SetRenderDrawColor(target.renderer, face.r, face.g, face.b, 0xFF);
  SDL_RenderClear(target.renderer);
  SDL_RenderPresent(target.renderer);
}

void SdlVideo::Repaint(WindowId id) {
  if (windows_.Native(id) == nullptr) return;
  Target& target = targets_[id];
  if (target.hasPicture && target.renderer != nullptr && Present(target)) return;
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
    // After a device reset nothing of the old renderer is to be trusted.
    if (deviceLost_) DropRenderer(target);
    if (!EnsureRenderer(id, target)) working = false;
  }
  if (working) deviceLost_ = false;
  return working;
}

std::string SdlVideo::RendererName(WindowId id) const {
  auto it = targets_.find(id);
  SDL_RendererInfo info;
  if (it == targets_.end() || it->second.renderer == nullptr || SDL_GetRendererInfo(it->second.renderer, &info) != 0) {
    return "none";
  }
  return info.name;
}

}  // namespace platform::sdl
