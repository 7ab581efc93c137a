#pragma once

#include <gtest/gtest.h>

#include "display/display.h"
#include "game_folder.h"
#include "platform/headless/headless_video.h"

// A display of its own on the headless screen, over a game folder with test
// sheets.
struct DisplayTest : ::testing::Test {
  GameFolder folder;
  platform::headless::HeadlessVideo video;
  uint8_t fullScreen = 0;
  int32_t gameWidth = 640;
  int32_t gameHeight = 480;
  platform::Rect windowRect{226, 123, 866, 603};
  platform::Rect sourceRect{0, 0, 640, 480};
  display::Display d{video, 1,
                     display::WindowView{fullScreen, gameWidth, gameHeight, windowRect, sourceRect},
                     (folder.Root() / "").string()};

  void Build(bool full = false, platform::PixelFormat format = platform::PixelFormat::Rgb565()) {
    fullScreen = full ? 1 : 0;
    video.SetDisplayFormat(format);
    display::InitDisplay(d);
    display::DetectPixelFormat(d);
  }
  // A pixel from 5-bit channels in the display's own convention.
  uint16_t Px(uint32_t r, uint32_t g, uint32_t b) const {
    return static_cast<uint16_t>((r << d.RedShift) + (g << d.GreenShift) + b);
  }
  platform::Surface& Target() { return *d.DrawTarget(); }
  // The row padding too, so that a write into it shows.
  void FillTarget(uint16_t value) { Target().Fill(value); }
  // Pixels of the target equal to `value` inside the rectangle.
  int Count(const platform::Rect& r, uint16_t value) {
    int n = 0;
    for (int32_t y = r.top; y < r.bottom; ++y)
      for (int32_t x = r.left; x < r.right; ++x) n += Target().Pixel(x, y) == value ? 1 : 0;
    return n;
  }
};
