#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "allocation_counter.h"
#include "display/display.h"
#include "platform/headless/headless_video.h"
#include "platform/text_codec.h"

namespace {

// A windowed display on the headless screen, its sheets filled with patterns
// that have black holes, as the game's keyed sheets do.
struct BenchDisplay {
  platform::headless::HeadlessVideo video;
  uint8_t fullScreen = 0;
  int32_t width = 640;
  int32_t height = 480;
  platform::Rect windowRect{0, 0, 640, 480};
  platform::Rect sourceRect{0, 0, 640, 480};
  display::Display d{video, 1, display::WindowView{fullScreen, width, height, windowRect, sourceRect}, "./"};

  BenchDisplay() {
    display::CreateDevice(d);
    display::CreateOffscreen(d);
    display::DetectPixelFormat(d);
    Pattern(*d.BackSheet, false);
    Pattern(*d.EffectSheet, true);
    Pattern(*d.SpriteSheet, true);
    display::SetSheetKey(d, d.EffectSheet.get(), 0, 0, 0);
    display::SetSheetKey(d, d.SpriteSheet.get(), 0, 0, 0);
    display::MakeFont(d, 16, 9, platform::Utf8ToCp932("ＭＳ ゴシック"));
  }
  static void Pattern(platform::Surface& s, bool holes) {
    for (int32_t y = 0; y < s.Height(); ++y)
      for (int32_t x = 0; x < s.Width(); ++x)
        s.SetPixel(x, y, holes && (x / 5 + y / 5) % 3 == 0 ? 0 : static_cast<uint16_t>(x * 31 + y * 997 + 1));
  }
};

BenchDisplay& Shared() {
  static BenchDisplay bench;
  return bench;
}

// The same rectangle between two RGB565 surfaces, the SDL way.
struct SdlPair {
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565);
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565);
  SdlPair() {
    for (int y = 0; y < 480; ++y) {
      auto* row = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(source->pixels) + y * source->pitch);
      for (int x = 0; x < 640; ++x) row[x] = (x / 5 + y / 5) % 3 == 0 ? 0 : static_cast<uint16_t>(x * 31 + y * 997 + 1);
    }
  }
  ~SdlPair() {
    SDL_FreeSurface(source);
    SDL_FreeSurface(target);
  }
};

void Opaque(benchmark::State& state, int32_t w, int32_t h) {
  auto& b = Shared();
  for (auto _ : state) {
    display::BltOpaque(b.d, 0, 0, b.d.BackSheet.get(), 0, 0, w, h);
    benchmark::ClobberMemory();
  }
}
void SdlOpaque(benchmark::State& state, int w, int h) {
  SdlPair p;
  SDL_SetSurfaceBlendMode(p.source, SDL_BLENDMODE_NONE);
  SDL_Rect r{0, 0, w, h};
  for (auto _ : state) {
    SDL_Rect dst{0, 0, w, h};
    SDL_BlitSurface(p.source, &r, p.target, &dst);
    benchmark::ClobberMemory();
  }
}
void Keyed(benchmark::State& state, int32_t w, int32_t h) {
  auto& b = Shared();
  for (auto _ : state) {
    display::BltKeyed(b.d, 10, 10, b.d.EffectSheet.get(), 0, 0, w, h);
    benchmark::ClobberMemory();
  }
}
void SdlKeyed(benchmark::State& state, int w, int h) {
  SdlPair p;
  SDL_SetColorKey(p.source, SDL_TRUE, 0);
  SDL_Rect r{0, 0, w, h};
  for (auto _ : state) {
    SDL_Rect dst{10, 10, w, h};
    SDL_BlitSurface(p.source, &r, p.target, &dst);
    benchmark::ClobberMemory();
  }
}
void Blend(benchmark::State& state, int32_t w, int32_t h) {
  auto& b = Shared();
  for (auto _ : state) {
    display::BlendFrom(b.d, 220, 200, b.d.EffectSheet.get(), 0, 0, w, h, 2);
    benchmark::ClobberMemory();
  }
}
void SdlBlend(benchmark::State& state, int w, int h) {
  SdlPair p;
  SDL_SetSurfaceBlendMode(p.source, SDL_BLENDMODE_BLEND);
  SDL_SetSurfaceAlphaMod(p.source, 204);
  SDL_Rect r{0, 0, w, h};
  for (auto _ : state) {
    SDL_Rect dst{220, 200, w, h};
    SDL_BlitSurface(p.source, &r, p.target, &dst);
    benchmark::ClobberMemory();
  }
}
void Darken(benchmark::State& state) {
  auto& b = Shared();
  for (auto _ : state) {
    display::DarkenRect(b.d, 190, 150, 260, 180, 7);
    benchmark::ClobberMemory();
  }
}
void Tint(benchmark::State& state) {
  auto& b = Shared();
  for (auto _ : state) {
    display::TintRect(b.d, 270, 190, 20, 20, 31, 0, 0, 4);
    benchmark::ClobberMemory();
  }
}
void KeyedText(benchmark::State& state) {
  auto& b = Shared();
  for (auto _ : state) {
    display::PutTextKeyed(b.d, 300, 240, "123456", 255, 255, 255);
    benchmark::ClobberMemory();
  }
}

// A frame as the busiest screen draws it: the backdrop, a 20 x 20 board, a
// tint, a darkened panel, a blended banner and five texts.
void DrawWorstFrame(BenchDisplay& b) {
  display::BltOpaque(b.d, 0, 0, b.d.BackSheet.get(), 0, 0, 640, 480);
  for (int c = 0; c < 20; ++c)
    for (int r = 0; r < 20; ++r)
      display::BltKeyed(b.d, 130 + 20 * c, 50 + 20 * r, b.d.SpriteSheet.get(), 20 * (c % 5), 20 * (r % 5),
                        20 * (c % 5) + 20, 20 * (r % 5) + 20);
  display::TintRect(b.d, 270, 190, 20, 20, 31, 0, 0, 4);
  display::DarkenRect(b.d, 190, 150, 260, 180, 7);
  display::BlendKeyedFrom(b.d, 220, 200, b.d.EffectSheet.get(), 0, 0, 200, 35, 0, 0, 0, 2);
  static const char* texts[] = {"123", "1000", "TOTAL", "456", "NONE"};
  for (int i = 0; i < 5; ++i) display::PutTextKeyed(b.d, 250, 250 + 20 * i, texts[i], 255, 255, 255);
}

void WorstFrame(benchmark::State& state) {
  auto& b = Shared();
  DrawWorstFrame(b);
  const uint64_t before = bench::Allocations();
  for (auto _ : state) {
    DrawWorstFrame(b);
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_frame"] =
      static_cast<double>(bench::Allocations() - before) / static_cast<double>(state.iterations());
}

void FrameMemcpy(benchmark::State& state) {
  std::vector<uint16_t> from(640 * 480, 1);
  std::vector<uint16_t> to(640 * 480, 2);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), 640 * 480 * 2);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK_CAPTURE(Opaque, backdrop_640x480, 640, 480);
BENCHMARK_CAPTURE(SdlOpaque, backdrop_640x480, 640, 480);
BENCHMARK_CAPTURE(Opaque, cell_20x20, 20, 20);
BENCHMARK_CAPTURE(SdlOpaque, cell_20x20, 20, 20);
BENCHMARK_CAPTURE(Keyed, cell_20x20, 20, 20);
BENCHMARK_CAPTURE(SdlKeyed, cell_20x20, 20, 20);
BENCHMARK_CAPTURE(Keyed, banner_200x35, 200, 35);
BENCHMARK_CAPTURE(SdlKeyed, banner_200x35, 200, 35);
BENCHMARK_CAPTURE(Blend, banner_200x35, 200, 35);
BENCHMARK_CAPTURE(SdlBlend, banner_200x35, 200, 35);
BENCHMARK(Darken);
BENCHMARK(Tint);
BENCHMARK(KeyedText);
BENCHMARK(WorstFrame);
BENCHMARK(FrameMemcpy);
