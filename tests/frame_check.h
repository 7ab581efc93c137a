#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player.h"
#include "platform/draw/color.h"
#include "platform/draw/surface.h"

// What the presented frame holds, against what the test sheets and the pixel
// effects of the display make of them. The headless screen is 5-6-5.
class FrameCheck {
 public:
  explicit FrameCheck(Player& player) : player_(player) {}

  uint16_t At(int32_t x, int32_t y) const { return player_.backend.video.FramePixel(x, y); }
  static uint16_t Pack(platform::Rgb c) { return platform::PackColor(platform::PixelFormat::Rgb565(), c); }
  static uint16_t Back(int32_t x, int32_t y) { return Pack(BackPixel(x, y)); }
  static uint16_t Effect(int32_t x, int32_t y) { return Pack(EffectPixel(x, y)); }
  static uint16_t Sprite(int32_t x, int32_t y) { return Pack(SpritePixel(x, y)); }

  // The effects' 5-bit channels: green is read with a shift of 6 on 5-6-5.
  static uint16_t Darken(uint16_t p, uint32_t n) {
    return Join(R(p) * n / 10, G(p) * n / 10, B(p) * n / 10);
  }
  static uint16_t Tint(uint16_t p, uint32_t r, uint32_t g, uint32_t b, uint32_t n) {
    return Join((R(p) * n + (10 - n) * r) / 10, (G(p) * n + (10 - n) * g) / 10, (B(p) * n + (10 - n) * b) / 10);
  }
  static uint16_t Blend(uint16_t p, uint16_t s, uint32_t n) {
    return Join(R(p) * n / 10 + R(s) * (10 - n) / 10, G(p) * n / 10 + G(s) * (10 - n) / 10,
                B(p) * n / 10 + B(s) * (10 - n) / 10);
  }

  // A sheet rectangle at (x, y) laid over what `under` gives for each frame
  // position: the frame holds mix(under, sheet pixel) everywhere.
  template <typename Sheet, typename Under, typename Mix>
  testing::AssertionResult ShowsOver(int32_t x, int32_t y, Sheet sheet, int32_t left, int32_t top, int32_t right,
                                     int32_t bottom, Under under, Mix mix) const {
    for (int32_t j = 0; j < bottom - top; ++j)
      for (int32_t i = 0; i < right - left; ++i)
        if (At(x + i, y + j) != mix(under(x + i, y + j), sheet(left + i, top + j)))
          return testing::AssertionFailure() << "differs at (" << x + i << ", " << y + j << ")";
    return testing::AssertionSuccess();
  }
  // An opaque copy, each sheet pixel passed through `effect` (none by default).
  template <typename Sheet, typename Effect = uint16_t (*)(uint16_t)>
  testing::AssertionResult ShowsCopy(int32_t x, int32_t y, Sheet sheet, int32_t left, int32_t top, int32_t right,
                                     int32_t bottom, Effect effect = Same) const {
    return ShowsOver(x, y, sheet, left, top, right, bottom, Back, [&](uint16_t, uint16_t s) { return effect(s); });
  }
  // The 20 x 20 sprite tile with its top-left corner at (left, top) on the cell at (x, y).
  testing::AssertionResult ShowsTile(int32_t x, int32_t y, int32_t left, int32_t top) const {
    return ShowsCopy(x, y, Sprite, left, top, left + 20, top + 20);
  }
  // The frame is the backdrop all over the rectangle.
  testing::AssertionResult ShowsBackdrop(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    return ShowsCopy(left, top, Back, left, top, right, bottom);
  }

  // Text as the game's own font draws it: every pixel of the cell box in
  // `ink` where a glyph covers it and in `paper` elsewhere.
  testing::AssertionResult ShowsText(int32_t x, int32_t y, const std::string& text, platform::Rgb ink,
                                     platform::Rgb paper) const {
    const Glyphs glyphs = Render(text);
    if (glyphs.inked == 0) return testing::AssertionFailure() << "the font draws no glyph";
    for (int32_t j = 0; j < glyphs.height; ++j)
      for (int32_t i = 0; i < glyphs.width; ++i)
        if (At(x + i, y + j) != Pack(glyphs.At(i, j) ? ink : paper))
          return testing::AssertionFailure() << "differs at (" << x + i << ", " << y + j << ")";
    return testing::AssertionSuccess();
  }
  // Keyed text: within the copied 8.5 pixels per byte, the ink colour exactly
  // where the glyphs are.
  testing::AssertionResult ShowsKeyedText(int32_t x, int32_t y, const std::string& text, platform::Rgb ink) const {
    const Glyphs glyphs = Render(text);
    if (glyphs.inked == 0) return testing::AssertionFailure() << "the font draws no glyph";
    const auto width = static_cast<int32_t>(static_cast<double>(text.size()) * 8.5);
    for (int32_t j = 0; j < glyphs.height; ++j)
      for (int32_t i = 0; i < width; ++i)
        if ((At(x + i, y + j) == Pack(ink)) != glyphs.At(i, j))
          return testing::AssertionFailure() << "differs at (" << x + i << ", " << y + j << ")";
    return testing::AssertionSuccess();
  }
  // Pixels of the colour inside the rectangle.
  int Count(int32_t left, int32_t top, int32_t right, int32_t bottom, platform::Rgb colour) const {
    int n = 0;
    for (int32_t y = top; y < bottom; ++y)
      for (int32_t x = left; x < right; ++x) n += At(x, y) == Pack(colour) ? 1 : 0;
    return n;
  }

 private:
  struct Glyphs {
    int32_t width = 0;
    int32_t height = 0;
    int inked = 0;
    std::vector<bool> ink;
    bool At(int32_t i, int32_t j) const { return i < width && ink[static_cast<size_t>(j * width + i)]; }
  };
  Glyphs Render(const std::string& text) const {
    platform::Font& font = *player_.Game().Screen.CurrentFont;
    Glyphs g;
    g.width = font.TextWidth(text);
    g.height = player_.Game().Screen.FontSpec.lfHeight;
    platform::Surface surface(g.width, g.height, platform::PixelFormat::Rgb565());
    surface.Fill(0);
    font.Draw(surface, 0, 0, text, {255, 255, 255}, {0, 0, 0});
    for (int32_t j = 0; j < g.height; ++j)
      for (int32_t i = 0; i < g.width; ++i) {
        g.ink.push_back(surface.Pixel(i, j) != 0);
        g.inked += surface.Pixel(i, j) != 0 ? 1 : 0;
      }
    return g;
  }
  static uint16_t Same(uint16_t p) { return p; }
  static uint32_t R(uint16_t p) { return (p & 0xF800u) >> 11; }
  static uint32_t G(uint16_t p) { return (p & 0x07E0u) >> 6; }
  static uint32_t B(uint16_t p) { return p & 0x001Fu; }
  static uint16_t Join(uint32_t r, uint32_t g, uint32_t b) { return static_cast<uint16_t>((r << 11) + (g << 6) + b); }

  Player& player_;
};
