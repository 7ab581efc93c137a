#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "platform/draw/blit.h"
#include "platform/draw/clip.h"

using platform::PixelFormat;
using platform::Rect;
using platform::Surface;

// Rows are copied in steps that may overlap; every width, past several
// steps, lands exactly, at any alignment, keyed or not, and not a pixel beyond.
TEST(Copy, EveryWidthCopiesItsRowsExactlyAndNothingBesideThem) {
  constexpr uint16_t kKey = 7;
  Surface source(128, 8, PixelFormat::Rgb565());
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 128; ++x)
      source.SetPixel(x, y, (x * 5 + y) % 11 == 0 ? kKey : static_cast<uint16_t>(100 + x + 128 * y));
  source.SetColorKey(kKey);
  for (bool keyed : {false, true}) {
    for (int32_t width = 1; width <= 100; ++width) {
      for (int32_t at : {0, 3}) {
        Surface target(128, 8, PixelFormat::Rgb565());
        target.Fill(0xBEEF);
        platform::BltFast(target, at, 2, source, {5, 1, 5 + width, 5}, keyed);
        for (int32_t y = 0; y < 8; ++y)
          for (int32_t x = 0; x < target.PitchPixels(); ++x) {
            const bool inside = x >= at && x < at + width && y >= 2 && y < 6;
            const uint16_t from = inside ? source.Pixel(5 + x - at, y - 1) : 0;
            const uint16_t want = inside && !(keyed && from == kKey) ? from : 0xBEEF;
            ASSERT_EQ(target.Row(y)[x], want) << (keyed ? "keyed" : "opaque") << " width " << width << " at " << at
                                              << ": " << x << "," << y;
          }
      }
    }
  }
}

// A trimmed copy keeps exactly the pixels whose source lies in the source's
// bounds and whose destination lies in the destination's, whether the copy
// lies wholly inside both or reaches past any edge.
TEST(Clip, ATrimmedCopyKeepsExactlyThePixelsInsideBothSurfaces) {
  const Rect srcBounds{0, 0, 6, 5};
  const Rect dstBounds{1, 2, 8, 7};
  auto in = [](const Rect& r, int32_t px, int32_t py) {
    return px >= r.left && px < r.right && py >= r.top && py < r.bottom;
  };
  for (int32_t left = -2; left <= 7; ++left)
    for (int32_t top = -2; top <= 6; ++top)
      for (int32_t width = 0; width <= 4; ++width)
        for (int32_t height = 0; height <= 3; ++height)
          for (int32_t x = -2; x <= 9; ++x)
            for (int32_t y = -1; y <= 8; ++y) {
              Rect want{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
              for (int32_t j = 0; j < height; ++j)
                for (int32_t i = 0; i < width; ++i)
                  if (in(srcBounds, left + i, top + j) && in(dstBounds, x + i, y + j))
                    want = {std::min(want.left, left + i), std::min(want.top, top + j),
                            std::max(want.right, left + i + 1), std::max(want.bottom, top + j + 1)};
              Rect src{left, top, left + width, top + height};
              int32_t dx = x;
              int32_t dy = y;
              const bool kept = platform::ClipCopy(dx, dy, src, srcBounds, dstBounds);
              ASSERT_EQ(kept, want.right > want.left) << left << "," << top << " " << width << "x" << height << " to "
                                                      << x << "," << y;
              if (!kept) continue;
              EXPECT_EQ(src, want);
              EXPECT_EQ(dx - x, src.left - left);
              EXPECT_EQ(dy - y, src.top - top);
            }

  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  for (const int32_t far : {kMin, kMax, kMax - 2, kMin + 3}) {
    Rect src{0, 0, 4, 4};
    int32_t dx = far;
    int32_t dy = 3;
    EXPECT_FALSE(platform::ClipCopy(dx, dy, src, srcBounds, dstBounds)) << far;
  }
  Rect wide{-2, 0, kMax, 2};
  int32_t dx = -1;
  int32_t dy = 2;
  ASSERT_TRUE(platform::ClipCopy(dx, dy, wide, srcBounds, dstBounds));
  EXPECT_EQ(wide, (Rect{0, 0, 6, 2}));
  EXPECT_EQ(dx, 1);
}

// A row of tiles gives the very pixels of each tile copied in turn: wholly
// inside, past any edge of the target or of its clip rectangle, with tiles
// reaching outside the source, and far off.
TEST(Copy, ARowOfTilesGivesThePixelsOfEachTileCopiedInTurn) {
  Surface source(100, 100, PixelFormat::Rgb565());
  for (int32_t y = 0; y < 100; ++y)
    for (int32_t x = 0; x < 100; ++x) source.SetPixel(x, y, static_cast<uint16_t>(1 + x + 100 * y));
  const std::vector<platform::Point> inside = {{0, 0}, {20, 0}, {20, 80}, {0, 20}, {40, 0}, {80, 60}};
  const std::vector<platform::Point> outside = {{0, 0}, {90, 0}, {-5, 30}, {30, 95}, {20, 20}};
  platform::Clipper clipper;
  platform::RegionData region;
  region.rect = {30, 10, 150, 70};
  clipper.SetClipList(region);
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  for (const auto* corners : {&inside, &outside})
    for (const platform::Size tile : {platform::Size{20, 20}, platform::Size{7, 3}, platform::Size{40, 20}})
      for (const bool clipped : {false, true})
        for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{
                 {10, 10}, {0, 0}, {-15, 5}, {100, 40}, {10, -12}, {30, 65}, {kMax - 30, 0}, {0, kMax - 5}}) {
          // A clipped copy's target rectangle cannot reach that far.
          if (clipped && (x > 1000 || y > 1000)) continue;
          Surface want(160, 80, PixelFormat::Rgb565());
          Surface got(160, 80, PixelFormat::Rgb565());
          want.Fill(0xBEEF);
          got.Fill(0xBEEF);
          if (clipped) {
            want.SetClipper(&clipper);
            got.SetClipper(&clipper);
          }
          int32_t at = x;
          for (const platform::Point& c : *corners) {
            const Rect from{c.x, c.y, c.x + tile.width, c.y + tile.height};
            if (clipped)
              platform::Blt(want, {at, y, at + tile.width, y + tile.height}, source, from, false);
            else
              platform::BltFast(want, at, y, source, from, false);
            if (at > kMax - tile.width) break;
            at += tile.width;
          }
          ASSERT_EQ(platform::BltTileRow(got, x, y, source, *corners, tile, clipped), platform::DrawResult::Ok);
          for (int32_t row = 0; row < 80; ++row)
            for (int32_t col = 0; col < got.PitchPixels(); ++col)
              ASSERT_EQ(got.Row(row)[col], want.Row(row)[col])
                  << tile.width << "x" << tile.height << " tiles from " << x << "," << y << (clipped ? " clipped" : "")
                  << ": pixel " << col << "," << row;
        }
}
