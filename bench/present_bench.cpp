// How long a 640x480 frame takes from a 16-bit surface to the window, by
// present path and renderer, and the pixel conversion alone. Needs a display:
// run under `xvfb-run -a`.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "allocation_counter.h"
#include "platform/draw/surface.h"
#include "platform/sdl/frame_convert.h"
#include "platform/sdl/sdl_backend.h"

namespace {

using Path = platform::sdl::SdlVideo::PresentPath;

const char* const kDrivers[] = {"opengl", "opengles2", "software"};
// SDL_PIXELFORMAT_ARGB8888, the OpenGL renderer's first texture format.
constexpr uint32_t kArgb8888 = 0x16362004;

// 0: every pixel different, the worst case for a big table; 1: gradients and
// solid blocks, closer to the game's pictures.
platform::Surface MakeFrame(int64_t content) {
  platform::Surface frame(640, 480, platform::PixelFormat::Rgb565());
  for (int32_t y = 0; y < 480; ++y) {
    for (int32_t x = 0; x < 640; ++x) {
      const auto noise = static_cast<uint16_t>(x * 97 + y * 31 + x * y * 7);
      const auto card = static_cast<uint16_t>(y < 320 ? ((x / 20) << 11) | ((y / 5) << 5) | ((x + y) & 31)
                                                      : 0xF81F * ((x / 80) & 1));
      frame.SetPixel(x, y, content == 0 ? noise : card);
    }
  }
  return frame;
}

// SDL starts once per run: it does not start again cleanly after an EGL
// renderer has run.
platform::sdl::SdlBackend& Backend() {
  static platform::sdl::SdlBackend backend;
  return backend;
}

struct Window {
  explicit Window(platform::sdl::SdlBackend& b) : backend(b), id(b.windows.Create({"bench", 0, 0, 640, 480, true})) {
    backend.windows.Show(id);
  }
  ~Window() { backend.windows.Destroy(id); }
  platform::sdl::SdlBackend& backend;
  platform::WindowId id;
};

// What changes from one frame to the next: every pixel, one 20 x 20 cell, or
// nothing, which is not presented again.
const char* const kChanges[] = {"every pixel", "one cell", "nothing"};

void ShowFrame(benchmark::State& state) {
  const auto path = static_cast<Path>(state.range(0));
  const char* driver = kDrivers[state.range(1)];
  const int64_t change = state.range(2);
  platform::sdl::SdlBackend& backend = Backend();
  backend.video.SetPresentPath(path);
  // Read as the window makes its renderer.
  setenv("SDL_RENDER_DRIVER", driver, 1);
  Window window(backend);
  platform::Surface frames[2] = {MakeFrame(1), MakeFrame(0)};
  if (change == 1) {
    frames[1] = frames[0];
    for (int32_t y = 200; y < 220; ++y)
      for (int32_t x = 300; x < 320; ++x) frames[1].SetPixel(x, y, static_cast<uint16_t>(~frames[0].Pixel(x, y)));
  }
  const platform::Rect whole = frames[0].Bounds();
  if (backend.video.ShowFrame(window.id, frames[0], whole, whole) != platform::DrawResult::Ok) {
    state.SkipWithError("ShowFrame failed");
    return;
  }
  const std::string drawnBy = backend.video.DrawnBy(window.id);
  if (path != Path::WindowSurface && drawnBy != driver) {
    state.SkipWithError(("renderer " + std::string(driver) + " not available").c_str());
    return;
  }
  // SDL's own mallocs are not counted. Mesa's software OpenGL compiles
  // through LLVM now and then, which shows as a fraction per frame.
  const uint64_t before = bench::Allocations();
  size_t i = 0;
  for (auto _ : state) {
    const platform::Surface& frame = frames[change == 2 ? 0 : ++i % 2];
    benchmark::DoNotOptimize(backend.video.ShowFrame(window.id, frame, whole, whole));
  }
  state.counters["allocs/frame"] =
      benchmark::Counter(static_cast<double>(bench::Allocations() - before), benchmark::Counter::kAvgIterations);
  const char* how = path == Path::WindowSurface ? "" : path == Path::RendererTable ? "table into " : "565 texture, ";
  state.SetLabel(std::string(kChanges[change]) + " changes; " + how + drawnBy);
}

void PresentCases(benchmark::internal::Benchmark* b) {
  for (int64_t change = 0; change < 3; ++change) {
    b->Args({static_cast<int64_t>(Path::WindowSurface), 0, change});
    for (const Path path : {Path::RendererTable, Path::Renderer565})
      for (int64_t driver = 0; driver < 3; ++driver) b->Args({static_cast<int64_t>(path), driver, change});
  }
}

// CPU time is what a frame costs the machine; the X server's share is not in it.
BENCHMARK(ShowFrame)->ArgNames({"path", "renderer", "change"})->Apply(PresentCases)->Unit(benchmark::kMicrosecond);

// The conversion alone, into memory, without the renderer's upload and draw.
void Convert(benchmark::State& state) {
  const bool table = state.range(0) == 1;
  platform::Surface frame = MakeFrame(state.range(1));
  const std::vector<uint32_t> lookup = platform::sdl::BuildTable565(kArgb8888);
  std::vector<uint32_t> out(640 * 480);
  const platform::Rect whole = frame.Bounds();
  for (auto _ : state) {
    if (table) platform::sdl::ConvertByTable(lookup, frame, whole, out.data(), 640 * 4);
    else platform::sdl::ConvertBySdl(frame, whole, kArgb8888, out.data(), 640 * 4);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetLabel(table ? "65536-entry table" : "SDL_ConvertPixels");
  state.SetItemsProcessed(state.iterations() * 640 * 480);
}

BENCHMARK(Convert)->ArgNames({"table", "content"})->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
