#include <gtest/gtest.h>

#include "platform/draw/blit.h"

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
