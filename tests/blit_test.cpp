#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

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
