#include "platform/web/web_video.h"

#include <emscripten.h>

#include <algorithm>

#include "platform/draw/clip.h"
#include "platform/present/rgb565.h"
#include "platform/web/web_windows.h"

// Full screen the canvas takes the whole screen, in device pixels; the size
// it gets is handed back to be drawn at.
EM_JS(void, page_full_screen, (int id, int on, int* size), {
  const canvas = Module.lumoraPage.canvasOf(id);
  if (!canvas) return;
  const page = Module.lumoraPage;
  canvas.classList.toggle("full-screen", !!on);
  if (on) {
    if (canvas.requestFullscreen && !document.fullscreenElement) canvas.requestFullscreen().catch(() => {});
    canvas.width = Math.round(screen.width * page.scale);
    canvas.height = Math.round(screen.height * page.scale);
    HEAP32[size >> 2] = canvas.width;
    HEAP32[(size >> 2) + 1] = canvas.height;
  } else if (document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  }
});

// Whether the canvas was cleared by a new size since it last took a frame.
EM_JS(int, page_take_cleared, (int id), {
  const canvas = Module.lumoraPage.canvasOf(id);
  if (!canvas || !canvas.lumoraCleared) return 0;
  canvas.lumoraCleared = false;
  return 1;
});

// Where the picture stands on the full-screen canvas, so that the pointer is
// read in the picture's pixels; nothing while no window fills the screen.
EM_JS(void, page_full_screen_fit, (int id, int left, int top, int scale, int windowLeft, int windowTop), {
  Module.lumoraPage.full = scale ? {id, left, top, scale, windowLeft, windowTop} : null;
});

// Pixels at `pixels`, width x height RGBA, go to (x, y) of the canvas.
EM_JS(void, page_put_pixels, (int id, int x, int y, int width, int height, const void* pixels, int black), {
  const canvas = Module.lumoraPage.canvasOf(id);
  if (!canvas) return;
  // Counted for the benchmark, which changes a bare canvas as often.
  Module.lumoraPage.puts = (Module.lumoraPage.puts || 0) + 1;
  const context = canvas.lumoraContext = canvas.lumoraContext || canvas.getContext("2d", {alpha: false});
  if (black) {
    context.fillStyle = "#000";
    context.fillRect(0, 0, canvas.width, canvas.height);
  }
  const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
  context.putImageData(new ImageData(bytes, width, height), x, y);
});

namespace platform::web {

void WebVideo::SetFullScreen(WindowId window, bool on) {
  Target& target = targets_[window];
  if (target.fullScreen == on) return;
  target.fullScreen = on;
  target.shown.whole = true;
  target.fit = {};
  int32_t size[2] = {0, 0};
  page_full_screen(window, on ? 1 : 0, size);
  target.screen = {size[0], size[1]};
  if (on) return;
  page_full_screen_fit(window, 0, 0, 0, 0, 0);
  // Back in its window, the canvas takes its own size again.
  windows_.Move(window, windows_.Position(window).x, windows_.Position(window).y);
}

Point WebVideo::ToPicture(WindowId window, Point canvas) const {
  // A window enlarged by the desktop's scale takes its pointer in the
  // picture's pixels too, as the desktop's does.
  const auto it = targets_.find(window);
  if (it == targets_.end()) return canvas;
  return ScreenToPicture(it->second.fit, canvas);
}

DrawResult WebVideo::ShowFrame(WindowId window, const Surface& frame, const Rect& source, const Rect&) {
  const Rect s = Intersect(source, frame.Bounds());
  if (s.Width() <= 0 || s.Height() <= 0 || !windows_.Exists(window)) return DrawResult::Failed;
  Target& target = targets_[window];
  if (page_take_cleared(window) != 0) target.shown.whole = true;
  const Damage damage = TakeDamage(target.shown, frame, s);
  if (damage.rect.Width() <= 0 || damage.rect.Height() <= 0) return DrawResult::Ok;
  // Windowed, a window larger than its picture by a whole factor shows it
  // enlarged from the corner; full screen, at the fit's place.
  const Size picture{s.Width(), s.Height()};
  const FullScreenFit fit = target.fullScreen ? FitWholeScale(picture, target.screen)
                                                   : FitFromCorner(picture, windows_.ClientSize(window));
  if (fit != target.fit) {
    target.fit = fit;
    const Point at = windows_.Position(window);
    if (target.fullScreen) page_full_screen_fit(window, fit.placed.left, fit.placed.top, fit.scale, at.x, at.y);
  }
  const int32_t k = fit.scale;
  const Rect& d = damage.rect;
  const int32_t width = d.Width() * k;
  const int32_t height = d.Height() * k;
  rgba_.resize(static_cast<size_t>(width) * height);
  for (int32_t y = 0; y < d.Height(); ++y) {
    const uint16_t* in = frame.Row(d.top + y) + d.left;
    uint32_t* out = rgba_.data() + static_cast<size_t>(y) * k * width;
    for (int32_t x = 0; x < d.Width(); ++x) {
      const Rgb c = Expand565(in[x]);
      const uint32_t pixel = 0xFF000000u | static_cast<uint32_t>(c.b) << 16 | static_cast<uint32_t>(c.g) << 8 | c.r;
      for (int32_t i = 0; i < k; ++i) out[x * k + i] = pixel;
    }
    for (int32_t i = 1; i < k; ++i)
      std::copy(out, out + width, out + static_cast<ptrdiff_t>(i) * width);
  }
  page_put_pixels(window, fit.placed.left + (d.left - s.left) * k, fit.placed.top + (d.top - s.top) * k, width, height,
                  rgba_.data(), damage.whole && target.fullScreen ? 1 : 0);
  return DrawResult::Ok;
}

}  // namespace platform::web
