#include <gtest/gtest.h>

#include "platform/events.h"
#include "platform/present/fullscreen_fit.h"
#include "platform/sdl/key_map.h"
#include "platform/present/rgb565.h"

using platform::Point;
using platform::Rect;
using platform::Size;
using platform::FitWholeScale;
using platform::FullScreenFit;
using platform::ScreenToPicture;

namespace {
constexpr Size kFrame{640, 480};
}  // namespace

TEST(FullScreenFit, LargestWholeScaleCentredOnBlack) {
  struct Case {
    Size screen;
    FullScreenFit fit;
  };
  const Case cases[] = {
      {{640, 480}, {1, {0, 0, 640, 480}}},
      {{1280, 1024}, {2, {0, 32, 1280, 992}}},
      {{1920, 1080}, {2, {320, 60, 1600, 1020}}},
      {{2560, 1440}, {3, {320, 0, 2240, 1440}}},
      {{1366, 768}, {1, {363, 144, 1003, 624}}},
      {{1279, 959}, {1, {319, 239, 959, 719}}},
      // Smaller than the frame: unscaled, cropped evenly.
      {{600, 400}, {1, {-20, -40, 620, 440}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitWholeScale(kFrame, c.screen), c.fit) << c.screen.width << "x" << c.screen.height;
  }
}

TEST(FullScreenFit, PointerMapsBackToTheFramePixelUnderIt) {
  const FullScreenFit fit = FitWholeScale(kFrame, {2560, 1440});
  ASSERT_EQ(fit.scale, 3);
  // Every screen pixel of a frame pixel's 3x3 square maps back to it.
  for (int32_t y = 0; y < kFrame.height; ++y) {
    for (int32_t x = 0; x < kFrame.width; ++x) {
      const Point corner{fit.placed.left + 3 * x, fit.placed.top + 3 * y};
      ASSERT_EQ(ScreenToPicture(fit, corner), (Point{x, y}));
      ASSERT_EQ(ScreenToPicture(fit, {corner.x + 2, corner.y + 2}), (Point{x, y}));
    }
  }
  // The black border maps outside the frame, not onto its edge pixels.
  EXPECT_EQ(ScreenToPicture(fit, {fit.placed.left - 1, 0}), (Point{-1, 0}));
  EXPECT_EQ(ScreenToPicture(fit, {fit.placed.left - 3, 0}), (Point{-1, 0}));
  EXPECT_EQ(ScreenToPicture(fit, {fit.placed.left - 4, 0}), (Point{-2, 0}));
  EXPECT_EQ(ScreenToPicture(fit, {fit.placed.right, fit.placed.bottom - 1}), (Point{640, 479}));
  EXPECT_EQ(ScreenToPicture(fit, {0, 0}), (Point{-107, 0}));

  const FullScreenFit tall = FitWholeScale(kFrame, {1280, 1024});
  EXPECT_EQ(ScreenToPicture(tall, {641, 533}), (Point{320, 250}));
  EXPECT_EQ(ScreenToPicture(tall, {5, 29}), (Point{2, -2}));
  EXPECT_EQ(ScreenToPicture(tall, {1279, 1023}), (Point{639, 495}));
}

// SDL keycodes are given by value: the tests do not see SDL's headers.
TEST(KeyMap, GameKeysLettersAndDigitsBecomeVirtualKeys) {
  constexpr int32_t kKeypadEnter = 0x40000058;
  EXPECT_EQ(platform::sdl::VirtualKeyOf(27), platform::kKeyEscape);
  EXPECT_EQ(platform::sdl::VirtualKeyOf('\r'), platform::kKeyReturn);
  EXPECT_EQ(platform::sdl::VirtualKeyOf(kKeypadEnter), platform::kKeyReturn);
  EXPECT_EQ(platform::sdl::VirtualKeyOf(' '), platform::kKeySpace);
  EXPECT_EQ(platform::sdl::VirtualKeyOf('\t'), platform::kKeyTab);
  for (int32_t c = 'a'; c <= 'z'; ++c) EXPECT_EQ(platform::sdl::VirtualKeyOf(c), c - 'a' + 'A');
  for (int32_t c = '0'; c <= '9'; ++c) EXPECT_EQ(platform::sdl::VirtualKeyOf(c), c);

  constexpr int32_t kF1 = 0x4000003A;
  constexpr int32_t kLeftShift = 0x400000E1;
  constexpr int32_t kKeypad1 = 0x40000059;
  for (int32_t other : {kF1, kLeftShift, kKeypad1, 8, 127, int32_t{'-'}}) {
    EXPECT_EQ(platform::sdl::VirtualKeyOf(other), 0) << other;
  }
}

TEST(Expand565, EndsStayPureAndEveryLevelRises) {
  EXPECT_EQ(platform::Expand565(0x0000), (platform::Rgb{0, 0, 0}));
  EXPECT_EQ(platform::Expand565(0xFFFF), (platform::Rgb{255, 255, 255}));
  EXPECT_EQ(platform::Expand565(0xF800), (platform::Rgb{255, 0, 0}));
  EXPECT_EQ(platform::Expand565(0x07E0), (platform::Rgb{0, 255, 0}));
  EXPECT_EQ(platform::Expand565(0x001F), (platform::Rgb{0, 0, 255}));
  for (uint16_t g = 1; g < 64; ++g) {
    EXPECT_GT(platform::Expand565(static_cast<uint16_t>(g << 5)).g,
              platform::Expand565(static_cast<uint16_t>((g - 1) << 5)).g);
  }
}
