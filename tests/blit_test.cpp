#include <gtest/gtest.h>

#include "platform/draw/blit.h"

using platform::PixelFormat;
using platform::Rect;
using platform::Surface;

// Narrow rows are copied in overlapping moves; every width up to past the
// widest such row lands exactly, at any alignment, and not a pixel beyond.
TEST(OpaqueCopy, EveryWidthCopiesItsRowsExactlyAndNothingBesideThem) {
  Surface source(64, 8, PixelFormat::Rgb565());
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 64; ++x) source.SetPixel(x, y, static_cast<uint16_t>(1 + x + 64 * y));
  for (int32_t width = 1; width <= 40; ++width) {
    for (int32_t at : {0, 3}) {
      Surface target(64, 8, PixelFormat::Rgb565());
      target.Fill(0xBEEF);
      platform::BltFast(target, at, 2, source, {5, 1, 5 + width, 5}, false);
      for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < target.PitchPixels(); ++x) {
          const bool inside = x >= at && x < at + width && y >= 2 && y < 6;
          const uint16_t want = inside ? source.Pixel(5 + x - at, y - 1) : 0xBEEF;
          ASSERT_EQ(target.Row(y)[x], want) << "width " << width << " at " << at << ": " << x << "," << y;
        }
    }
  }
}
