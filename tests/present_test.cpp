#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "platform/draw/surface.h"
#include "platform/headless/headless_video.h"
#include "platform/present/frame_damage.h"
#include "platform/present/fullscreen_fit.h"
#include "platform/sdl/present_path.h"
#include "platform/sdl/scaled_copy.h"

using platform::PixelFormat;
using platform::Rect;
using platform::Size;
using platform::Surface;
using platform::Damage;
using platform::ShownFrame;
using platform::TakeDamage;

namespace {

Surface Picture(int32_t width = 64, int32_t height = 48) {
  Surface s(width, height, PixelFormat::Rgb565());
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) s.SetPixel(x, y, static_cast<uint16_t>(x * 37 + y * 1009));
  return s;
}

void ExpectDamage(const Damage& d, const Rect& rect, bool whole) {
  EXPECT_EQ(d.rect, rect);
  EXPECT_EQ(d.whole, whole);
}

}  // namespace

TEST(FrameDamage, AnUnchangedFrameIsNotShownAgainAndAChangedOneOnlyInItsRectangle) {
  ShownFrame shown;
  Surface frame = Picture();
  const Rect all = frame.Bounds();
  ExpectDamage(TakeDamage(shown, frame, all), all, true);
  ExpectDamage(TakeDamage(shown, frame, all), {}, false);

  frame.SetPixel(5, 7, 0xFFFF);
  ExpectDamage(TakeDamage(shown, frame, all), {5, 7, 6, 8}, false);
  ExpectDamage(TakeDamage(shown, frame, all), {}, false);

  // Two changes far apart: the rectangle holding both, the columns of the
  // rows in between included.
  frame.SetPixel(60, 3, 1);
  frame.SetPixel(2, 40, 2);
  frame.SetPixel(3, 40, 3);
  ExpectDamage(TakeDamage(shown, frame, all), {2, 3, 61, 41}, false);
  // The first and last column of the frame.
  frame.SetPixel(0, 20, 4);
  frame.SetPixel(63, 47, 5);
  ExpectDamage(TakeDamage(shown, frame, all), {0, 20, 64, 48}, false);
  // The copy now holds the frame: the same picture in another buffer, as a
  // flip chain hands it over, is no change.
  Surface other = frame;
  ExpectDamage(TakeDamage(shown, other, all), {}, false);
}

TEST(FrameDamage, AfterAnExposeAResizeOrAModeSwitchTheWholeFrameIsShownAgain) {
  ShownFrame shown;
  Surface frame = Picture();
  const Rect part{0, 0, 40, 30};
  TakeDamage(shown, frame, part);
  // Outside the part shown nothing counts.
  frame.SetPixel(50, 40, 0);
  ExpectDamage(TakeDamage(shown, frame, part), {}, false);

  shown.whole = true;
  ExpectDamage(TakeDamage(shown, frame, part), part, true);
  ExpectDamage(TakeDamage(shown, frame, part), {}, false);

  // Another part shown, a frame of another size or layout: drawn whole.
  ExpectDamage(TakeDamage(shown, frame, frame.Bounds()), frame.Bounds(), true);
  Surface larger = Picture(80, 48);
  ExpectDamage(TakeDamage(shown, larger, larger.Bounds()), larger.Bounds(), true);
  Surface layout555(80, 48, PixelFormat::Rgb555());
  ExpectDamage(TakeDamage(shown, layout555, layout555.Bounds()), layout555.Bounds(), true);
  ExpectDamage(TakeDamage(shown, layout555, layout555.Bounds()), {}, false);
}

// Rows are compared in blocks of 32 bytes: a change in any pixel of a part
// that starts off the word and ends in a short tail is still found.
TEST(FrameDamage, AChangeInAnyColumnOfAnOddPartIsFound) {
  Surface frame = Picture(41, 4);
  const Rect part{3, 0, 40, 4};
  for (int32_t x = part.left; x < part.right; ++x) {
    ShownFrame shown;
    TakeDamage(shown, frame, part);
    const uint16_t was = frame.Pixel(x, 2);
    frame.SetPixel(x, 2, static_cast<uint16_t>(was ^ 0x0100));
    ExpectDamage(TakeDamage(shown, frame, part), {x, 2, x + 1, 3}, false);
    frame.SetPixel(x, 2, was);
  }
}

// The headless screen writes only the rows that changed, yet holds each frame
// whole: after a change of a few pixels, of size, or of the part shown.
TEST(HeadlessScreen, HoldsEachFrameShownWholeWhateverChanged) {
  platform::headless::HeadlessVideo video;
  auto expectShown = [&](const Surface& frame, const Rect& part) {
    ASSERT_EQ(video.LastFrameSize(), (Size{part.Width(), part.Height()}));
    for (int32_t y = 0; y < part.Height(); ++y)
      for (int32_t x = 0; x < part.Width(); ++x)
        ASSERT_EQ(video.FramePixel(x, y), frame.Pixel(part.left + x, part.top + y)) << x << "," << y;
  };
  Surface frame = Picture();
  const Rect all{0, 0, 64, 48};
  ASSERT_EQ(video.ShowFrame(1, frame, all, all), platform::DrawResult::Ok);
  expectShown(frame, all);
  frame.SetPixel(63, 47, 1);
  frame.SetPixel(0, 20, 2);
  video.ShowFrame(1, frame, all, all);
  expectShown(frame, all);
  const Rect part{5, 7, 53, 31};
  video.ShowFrame(1, frame, part, all);
  expectShown(frame, part);
  Surface tall = Picture(48, 64);
  video.ShowFrame(1, tall, {0, 0, 48, 64}, all);
  expectShown(tall, {0, 0, 48, 64});
  EXPECT_EQ(video.FramesShown(), 4);
}

TEST(PresentPath, SoftwareOpenGlGivesWayToTheWindowSurfaceAndAGpuKeepsTheRenderer) {
  using platform::sdl::ChoosePath;
  using platform::sdl::DisplayFacts;
  using platform::sdl::PresentPath;
  using platform::sdl::RendererFacts;
  // No X server, or a renderer asked for by name: SDL's renderer.
  EXPECT_EQ(ChoosePath(DisplayFacts{false, false, false, {}}), PresentPath::RendererTable);
  EXPECT_EQ(ChoosePath(DisplayFacts{true, false, true, {}}), PresentPath::RendererTable);
  // No direct rendering: OpenGL could only run on the CPU, so none is made.
  EXPECT_EQ(ChoosePath(DisplayFacts{true, false, false, {}}), PresentPath::WindowSurface);
  // Direct rendering: the renderer is made and asked what draws.
  EXPECT_EQ(ChoosePath(DisplayFacts{true, true, false, {}}), std::nullopt);
  const RendererFacts cpu[] = {{"opengl", "llvmpipe (LLVM 15.0.6, 256 bits)"},
                               {"opengles2", "softpipe"},
                               {"opengl", "Software Rasterizer"},
                               {"opengl", "D3D12 (Microsoft Basic Render Driver)"},
                               {"software", ""}};
  for (const RendererFacts& r : cpu)
    EXPECT_EQ(ChoosePath(DisplayFacts{true, true, false, r}), PresentPath::WindowSurface) << r.glRenderer;
  const RendererFacts gpu[] = {{"opengl", "AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)"},
                               {"opengl", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"},
                               {"opengles2", "NVIDIA GeForce GTX 1060/PCIe/SSE2"}};
  for (const RendererFacts& r : gpu)
    EXPECT_EQ(ChoosePath(DisplayFacts{true, true, false, r}), PresentPath::RendererTable) << r.glRenderer;
}

namespace {

// A table that keeps the 565 value in the low bits, so a test can read back
// which frame pixel landed where.
std::vector<uint32_t> MarkingTable() {
  std::vector<uint32_t> table(65536);
  std::iota(table.begin(), table.end(), 0xAB000000u);
  return table;
}

constexpr uint32_t kUntouched = 0x12345678;

// A screen of the given size inside a larger buffer, with a guard band of
// untouched pixels all round it.
struct Screen {
  static constexpr int32_t kGuard = 8;
  Size size;
  int32_t stride;
  std::vector<uint32_t> memory;
  explicit Screen(Size s)
      : size(s), stride(s.width + 2 * kGuard),
        memory(static_cast<size_t>(stride) * (s.height + 2 * kGuard), kUntouched) {}
  platform::sdl::Pixels32 View() {
    return {memory.data() + kGuard * stride + kGuard, static_cast<int32_t>(stride * sizeof(uint32_t)), size};
  }
  // x and y may lie in the guard band.
  uint32_t At(int32_t x, int32_t y) const { return memory[(y + kGuard) * stride + x + kGuard]; }
  int CountWritten(const Rect& outside) const {
    int n = 0;
    for (int32_t y = -kGuard; y < size.height + kGuard; ++y)
      for (int32_t x = -kGuard; x < size.width + kGuard; ++x) {
        const bool inside = x >= outside.left && x < outside.right && y >= outside.top && y < outside.bottom;
        if (!inside && At(x, y) != kUntouched) ++n;
      }
    return n;
  }
};

}  // namespace

TEST(ScaledCopy, EachFramePixelBecomesAWholeSquareWhereTheFitPlacesIt) {
  using platform::FitWholeScale;
  using platform::sdl::PutScaled;
  const std::vector<uint32_t> table = MarkingTable();
  const Surface frame = Picture(64, 48);
  const Rect all = frame.Bounds();

  // One to one: the changed rectangle lands at its own place, nothing else is written.
  Screen window({64, 48});
  const Rect area{5, 7, 9, 10};
  EXPECT_EQ(PutScaled(table, frame, all, area, {1, all}, window.View()), area);
  for (int32_t y = area.top; y < area.bottom; ++y)
    for (int32_t x = area.left; x < area.right; ++x) ASSERT_EQ(window.At(x, y), 0xAB000000u + frame.Pixel(x, y));
  EXPECT_EQ(window.CountWritten(area), 0);

  // Scaled by three on a screen with borders, from an area whose first
  // pixel is odd: every screen pixel shows the frame pixel under it.
  const Size big{3 * 64 + 10, 3 * 48 + 7};
  const platform::FullScreenFit fit = FitWholeScale({64, 48}, big);
  ASSERT_EQ(fit.scale, 3);
  Screen full(big);
  const Rect scaled = PutScaled(table, frame, all, area, fit, full.View());
  EXPECT_EQ(scaled, (Rect{fit.placed.left + 15, fit.placed.top + 21, fit.placed.left + 27, fit.placed.top + 30}));
  for (int32_t y = scaled.top; y < scaled.bottom; ++y)
    for (int32_t x = scaled.left; x < scaled.right; ++x) {
      const platform::Point p = platform::ScreenToPicture(fit, {x, y});
      ASSERT_EQ(full.At(x, y), 0xAB000000u + frame.Pixel(p.x, p.y)) << x << "," << y;
    }
  EXPECT_EQ(full.CountWritten(scaled), 0);
}

TEST(ScaledCopy, NothingIsWrittenOutsideTheScreenNorReadOutsideTheFrame) {
  using platform::FitWholeScale;
  using platform::sdl::PutScaled;
  const std::vector<uint32_t> table = MarkingTable();
  const Surface frame = Picture(64, 48);
  const Rect all = frame.Bounds();

  // A screen smaller than the frame crops it evenly on both sides.
  Screen small({50, 40});
  const platform::FullScreenFit fit = FitWholeScale({64, 48}, small.size);
  EXPECT_EQ(PutScaled(table, frame, all, all, fit, small.View()), (Rect{0, 0, 50, 40}));
  EXPECT_EQ(small.At(0, 0), 0xAB000000u + frame.Pixel(7, 4));
  EXPECT_EQ(small.At(49, 39), 0xAB000000u + frame.Pixel(56, 43));
  EXPECT_EQ(small.CountWritten({0, 0, 50, 40}), 0);

  // An area reaching past the source or the frame is cut to them; one that
  // falls wholly off the screen writes nothing.
  Screen window({64, 48});
  const Rect source{0, 0, 32, 24};
  EXPECT_EQ(PutScaled(table, frame, source, {20, 20, 100, 100}, {1, source}, window.View()), (Rect{20, 20, 32, 24}));
  EXPECT_EQ(window.CountWritten({20, 20, 32, 24}), 0);
  Screen elsewhere({64, 48});
  EXPECT_EQ(PutScaled(table, frame, all, all, {2, {64, 48, 192, 144}}, elsewhere.View()), Rect{});
  EXPECT_EQ(elsewhere.CountWritten({}), 0);
}
