#include "display/display.h"

namespace display {

Display::Display(platform::VideoService& videoService, platform::WindowId windowId, WindowView windowView,
                 std::string folder)
    : video(videoService), window(windowId), view(windowView), imageDir(std::move(folder)) {}

void CreateDevice(Display& d) {
  d.DirectDrawObject = std::make_unique<platform::DirectDraw>(d.video);
  if (d.view.FullScreen != 0) {
    d.DirectDrawObject->SetCooperativeLevel(d.window, true);
    d.DirectDrawObject->SetDisplayMode(d.view.GameWidth, d.view.GameHeight, 16);
    d.Primary = d.DirectDrawObject->CreatePrimary(true);
    d.BackBuffer = d.Primary->BackBuffer();
    const platform::Rect frame{0, 0, d.view.GameWidth, d.view.GameHeight};
    d.ClipList.rdh = {32, 1, 1, 16, frame};
    d.ClipList.rect = frame;
    d.Clipper = d.DirectDrawObject->CreateClipper();
    d.Clipper->SetClipList(d.ClipList);
    d.BackBuffer->SetClipper(d.Clipper);
  } else {
    d.DirectDrawObject->SetCooperativeLevel(d.window, false);
    d.Primary = d.DirectDrawObject->CreatePrimary(false);
  }
}

void CreateOffscreen(Display& d) {
  if (d.view.FullScreen == 0) d.FrameBuffer = d.DirectDrawObject->CreateSurface(d.view.GameWidth, d.view.GameHeight);
  d.BackSheet = d.DirectDrawObject->CreateSurface(640, 480);
  d.EffectSheet = d.DirectDrawObject->CreateSurface(640, 200);
  d.SpriteSheet = d.DirectDrawObject->CreateSurface(100, 100);
}

void DetectPixelFormat(Display& d) {
  platform::Surface* target = d.DrawTarget();
  platform::SurfaceMemory memory;
  if (target == nullptr || target->Lock(memory) != platform::DrawResult::Ok) return;
  if (memory.format.redMask == 0xF800) {
    d.RedShift = 11;
    d.GreenShift = 6;
  } else {
    d.RedShift = 10;
    d.GreenShift = 5;
  }
  target->Unlock();
}

void ReleaseDisplay(Display& d) {
  if (!d.DirectDrawObject) return;
  // The back buffer ends with the visible surface, the clipper with the device.
  d.Primary.reset();
  d.BackBuffer = nullptr;
  if (d.view.FullScreen == 0) d.FrameBuffer.reset();
  d.BackSheet.reset();
  d.EffectSheet.reset();
  d.SpriteSheet.reset();
  d.DirectDrawObject.reset();
  d.Clipper = nullptr;
}

}  // namespace display
