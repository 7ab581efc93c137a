#include "display/display.h"

namespace display {

namespace {

platform::DrawResult ShowOnce(Display& d) {
  if (d.view.FullScreen != 0) return d.Primary->Flip();
  return d.Primary->Blt(d.view.WindowRect, *d.FrameBuffer, d.view.SourceRect);
}

}  // namespace

void Present(Display& d) {
  if (!d.Primary || (d.view.FullScreen == 0 && !d.FrameBuffer)) return;
  // A refusal that persists drops the frame instead of holding the game; the
  // next frame tries again.
  for (int attempt = 0; attempt <= d.presentRetries; ++attempt) {
    const platform::DrawResult result = ShowOnce(d);
    if (result == platform::DrawResult::Ok) return;
    if (result == platform::DrawResult::SurfaceLost) {
      RestoreSurfaces(d);
      return;
    }
  }
}

void RestoreSurfaces(Display& d) {
  if (d.Primary->Restore() != platform::DrawResult::Ok) return;
  if (d.view.FullScreen == 0 && d.FrameBuffer) d.FrameBuffer->Restore();
  if (d.BackSheet && d.BackSheet->Restore() == platform::DrawResult::Ok) {
    LoadSheet(d, d.BackSheet.get(), "Back.dat");
    DrawTitle(d);
  }
  if (d.EffectSheet && d.EffectSheet->Restore() == platform::DrawResult::Ok)
    LoadSheet(d, d.EffectSheet.get(), "Effect.dat");
  if (d.SpriteSheet && d.SpriteSheet->Restore() == platform::DrawResult::Ok)
    LoadSheet(d, d.SpriteSheet.get(), "Sprite.dat");
}

}  // namespace display
