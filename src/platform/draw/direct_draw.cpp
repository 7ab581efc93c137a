#include "platform/draw/direct_draw.h"

#include "platform/draw/blit.h"

namespace platform {

PrimarySurface::PrimarySurface(VideoService& video, WindowId window, std::shared_ptr<DeviceResets> resets,
                               bool flipChain, Size size, PixelFormat format)
    : video_(video), window_(window), resets_(std::move(resets)) {
  if (flipChain) {
    front_ = std::make_unique<Surface>(size.width, size.height, format, resets_);
    back_ = std::make_unique<Surface>(size.width, size.height, format, resets_);
  } else {
    front_ = std::make_unique<Surface>(0, 0, format, resets_);
  }
}

bool PrimarySurface::NoticeReset() {
  if (video_.TakeReset()) ++resets_->count;
  return front_->IsLost() || (back_ && back_->IsLost());
}

DrawResult PrimarySurface::Flip() {
  if (!back_) return DrawResult::Failed;
  if (NoticeReset()) return DrawResult::SurfaceLost;
  SwapMemory(*front_, *back_);
  const DrawResult shown = video_.ShowFrame(window_, *front_, front_->Bounds(), front_->Bounds());
  // A refused frame leaves the chain as it was, so that the retry shows it.
  if (shown != DrawResult::Ok) SwapMemory(*front_, *back_);
  return shown;
}

DrawResult PrimarySurface::Blt(const Rect& screenRect, Surface& src, const Rect& srcRect) {
  if (back_) return DrawResult::Failed;
  if (NoticeReset() || src.IsLost()) return DrawResult::SurfaceLost;
  if (screenRect.Width() != srcRect.Width() || screenRect.Height() != srcRect.Height()) return DrawResult::Failed;
  return video_.ShowFrame(window_, src, srcRect, screenRect);
}

DrawResult PrimarySurface::Restore() {
  if (!IsLost() && !(back_ && back_->IsLost())) return DrawResult::Ok;
  if (!video_.RestorePrimary()) return DrawResult::Failed;
  front_->Restore();
  if (back_) back_->Restore();
  return DrawResult::Ok;
}

DirectDraw::DirectDraw(VideoService& video) : video_(video), resets_(std::make_shared<DeviceResets>()) {}

DirectDraw::~DirectDraw() {
  if (window_ != kNoWindow) video_.ReleaseScreen(window_);
}

void DirectDraw::SetCooperativeLevel(WindowId window, bool exclusiveFullScreen) {
  window_ = window;
  fullScreen_ = exclusiveFullScreen;
  video_.SetFullScreen(window, exclusiveFullScreen);
}

DrawResult DirectDraw::SetDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel) {
  mode_ = {width, height};
  return video_.SetDisplayMode(mode_, bitsPerPixel);
}

std::unique_ptr<PrimarySurface> DirectDraw::CreatePrimary(bool flipChain) {
  return std::make_unique<PrimarySurface>(video_, window_, resets_, flipChain, mode_, video_.DisplayFormat());
}

std::unique_ptr<Surface> DirectDraw::CreateSurface(int32_t width, int32_t height) {
  return std::make_unique<Surface>(width, height, video_.DisplayFormat(), resets_);
}

Clipper* DirectDraw::CreateClipper() {
  clippers_.push_back(std::make_unique<Clipper>());
  return clippers_.back().get();
}

}  // namespace platform
