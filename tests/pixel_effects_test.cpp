#include <gtest/gtest.h>

#include "display_fixture.h"

using platform::PixelFormat;

namespace {

struct Effects : DisplayTest, ::testing::WithParamInterface<bool> {
  bool Is565() const { return GetParam(); }
  void SetUp() override { Build(false, Is565() ? PixelFormat::Rgb565() : PixelFormat::Rgb555()); }
  // A pixel with the lowest green bit of 5-6-5 set as well, where it exists.
  uint16_t WithLowGreen(uint16_t p) const { return Is565() ? static_cast<uint16_t>(p | 0x20) : p; }
  platform::Surface& Sheet() { return *d.EffectSheet; }
};

}  // namespace

TEST_P(Effects, ShiftsFollowTheRedMask) {
  EXPECT_EQ(d.RedShift, Is565() ? 11 : 10);
  EXPECT_EQ(d.GreenShift, Is565() ? 6 : 5);
}

TEST_P(Effects, FullWeightKeepsThePixelButTheLowestGreenBit) {
  const uint16_t p = WithLowGreen(Px(21, 13, 7));
  FillTarget(p);
  display::DarkenRect(d, 10, 10, 4, 4, 10);
  display::TintRect(d, 20, 10, 4, 4, 31, 0, 31, 10);
  Sheet().SetPixel(0, 0, Px(3, 3, 3));
  display::BlendFrom(d, 30, 10, &Sheet(), 0, 0, 1, 1, 10);
  EXPECT_EQ(Target().Pixel(11, 11), Px(21, 13, 7));
  EXPECT_EQ(Target().Pixel(21, 11), Px(21, 13, 7));
  EXPECT_EQ(Target().Pixel(30, 10), Px(21, 13, 7));
  EXPECT_EQ(Target().Pixel(9, 9), p);
}

TEST_P(Effects, ZeroWeightGivesTheOtherSide) {
  FillTarget(Px(21, 13, 7));
  display::DarkenRect(d, 0, 0, 5, 5, 0);
  EXPECT_EQ(Count({0, 0, 5, 5}, 0), 25);
  display::TintRect(d, 10, 0, 5, 5, 4, 30, 9, 0);
  EXPECT_EQ(Count({10, 0, 15, 5}, Px(4, 30, 9)), 25);
  Sheet().SetPixel(7, 3, WithLowGreen(Px(17, 5, 29)));
  display::BlendFrom(d, 20, 0, &Sheet(), 7, 3, 8, 4, 0);
  EXPECT_EQ(Target().Pixel(20, 0), Px(17, 5, 29));
}

TEST_P(Effects, TintDividesOnceAndBlendTwice) {
  // 31 at n = 5 with 0: 15 both ways; with 1: 16 tinted, still 15 blended.
  FillTarget(Px(31, 31, 31));
  display::TintRect(d, 0, 0, 1, 1, 0, 0, 0, 5);
  display::TintRect(d, 1, 0, 1, 1, 1, 1, 1, 5);
  Sheet().SetPixel(0, 0, Px(0, 0, 0));
  Sheet().SetPixel(1, 0, Px(1, 1, 1));
  display::BlendFrom(d, 2, 0, &Sheet(), 0, 0, 2, 1, 5);
  EXPECT_EQ(Target().Pixel(0, 0), Px(15, 15, 15));
  EXPECT_EQ(Target().Pixel(1, 0), Px(16, 16, 16));
  EXPECT_EQ(Target().Pixel(2, 0), Px(15, 15, 15));
  EXPECT_EQ(Target().Pixel(3, 0), Px(15, 15, 15));
}

TEST_P(Effects, DarkenTruncatesEachChannel) {
  FillTarget(Px(31, 17, 9));
  display::DarkenRect(d, 0, 0, 1, 1, 7);
  EXPECT_EQ(Target().Pixel(0, 0), Px(21, 11, 6));
}

TEST_P(Effects, DarkenGivesEveryPixelValueEachChannelTimesTheWeightOverTenAtEveryWeight) {
  const platform::PixelFormat f = Target().Format();
  for (int32_t n = 0; n <= 10; ++n) {
    // Every 16-bit value once, in 103 rows from the second column on, so
    // that rows start off the wide steps and end with a part step.
    for (int32_t y = 0; y < 103; ++y)
      for (int32_t x = 0; x < 640; ++x) Target().SetPixel(x, y, static_cast<uint16_t>(y * 640 + x));
    display::DarkenRect(d, 1, 0, 639, 103, n);
    for (int32_t y = 0; y < 103; ++y) {
      ASSERT_EQ(Target().Pixel(0, y), static_cast<uint16_t>(y * 640));
      for (int32_t x = 1; x < 640; ++x) {
        const auto p = static_cast<uint16_t>(y * 640 + x);
        const int32_t r = ((p & f.redMask) >> d.RedShift) * n / 10;
        const int32_t g = ((p & f.greenMask) >> d.GreenShift) * n / 10;
        const int32_t b = (p & f.blueMask) * n / 10;
        ASSERT_EQ(Target().Pixel(x, y), static_cast<uint16_t>((r << d.RedShift) + (g << d.GreenShift) + b))
            << "weight " << n << " pixel " << p;
      }
    }
  }
}

TEST_P(Effects, EffectsStopAtEveryFrameEdge) {
  const uint16_t p = Px(20, 20, 20);
  FillTarget(p);
  display::DarkenRect(d, 630, 470, 40, 40, 0);
  display::DarkenRect(d, -5, -5, 10, 10, 0);
  EXPECT_EQ(Count({630, 470, 640, 480}, 0), 100);
  EXPECT_EQ(Count({0, 0, 5, 5}, 0), 25);
  EXPECT_EQ(Target().Pixel(629, 479), p);
  EXPECT_EQ(Target().Pixel(5, 0), p);
  // The padding after each row belongs to no pixel and is never written.
  for (int32_t y = 0; y < 480; ++y)
    for (int32_t x = 640; x < Target().PitchPixels(); ++x) ASSERT_EQ(Target().Row(y)[x], p);

  display::TintRect(d, 600, -10, 100, 20, 31, 31, 31, 0);
  EXPECT_EQ(Count({600, 0, 640, 10}, Px(31, 31, 31)), 400);
  EXPECT_EQ(Target().Pixel(599, 0), p);
  EXPECT_EQ(Target().Pixel(600, 10), p);
}

TEST_P(Effects, KeyedBlendSkipsBlackSource) {
  const uint16_t p = Px(10, 10, 10);
  FillTarget(p);
  Sheet().SetPixel(0, 0, 0);
  Sheet().SetPixel(1, 0, Px(20, 20, 20));
  display::BlendKeyedFrom(d, 100, 100, &Sheet(), 0, 0, 2, 1, 0, 0, 0, 2);
  EXPECT_EQ(Target().Pixel(100, 100), p);
  EXPECT_EQ(Target().Pixel(101, 100), Px(2 + 16, 2 + 16, 2 + 16));
  display::BlendFrom(d, 100, 101, &Sheet(), 0, 0, 1, 1, 2);
  EXPECT_EQ(Target().Pixel(100, 101), Px(2, 2, 2));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Effects, ::testing::Values(true, false),
                         [](const auto& layout) { return layout.param ? "Rgb565" : "Rgb555"; });
