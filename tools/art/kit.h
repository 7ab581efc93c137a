#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw/color.h"
#include "platform/geometry.h"
#include "platform/language/translation.h"
#include "platform/text/font.h"

namespace art {

using platform::Rect;
using platform::Rgb;

// The darkest colour a visible picture may use: anything darker would come out
// as the sheets' key (0, 0, 0) once truncated to 16 bits.
inline constexpr Rgb kInk{16, 16, 20};

Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);
Rgb Darker(Rgb c, double t);

// The game's text layer, cut to a mask: which pixels of a text's box are ink.
struct TextMask {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> ink;
  bool At(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width && y < height && ink[static_cast<size_t>(y) * width + x] != 0;
  }
};

// A bold font of the game's Japanese face with cells height x width.
std::unique_ptr<platform::Font> MakeFont(int32_t height, int32_t width);
// MakeFont's font for labels: English gets cells a pixel taller and wider
// than the Japanese words had, or a bold M closes up. Kept for the whole run.
platform::Font& Lettering(int32_t height, int32_t width);
// The words for a picture in the language being drawn, as UTF-8.
std::string Words(const char* text);
std::string Words(const char* context, const char* text);
// A character with no glyph in the face counts as a misfit.
TextMask RenderText(platform::Font& font, const std::string& utf8);
// A text that overflows the box it is drawn in is remembered; the generator
// fails once everything is drawn, rather than ship words cut short.
void CheckFits(const Rect& box, const TextMask& text);
const std::vector<std::string>& Misfits();
// The mask cut to the box of its ink, so that it centres by what is seen.
TextMask Trimmed(const TextMask& text);

// A 24-bit picture being drawn; everything drawn is cut at its edges.
class Canvas {
 public:
  Canvas(int32_t width, int32_t height, Rgb fill = {0, 0, 0});

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  Rgb At(int32_t x, int32_t y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  void Set(int32_t x, int32_t y, Rgb c);
  void Blend(int32_t x, int32_t y, Rgb c, double alpha);

  void Fill(const Rect& r, Rgb c);
  void Frame(const Rect& r, Rgb c);
  // Raised edges: light on the top and left, dark on the bottom and right;
  // swap the colours for a sunken look.
  void Bevel(const Rect& r, Rgb light, Rgb dark, int32_t depth = 1);
  void VerticalGradient(const Rect& r, Rgb top, Rgb bottom);
  void RoundRect(const Rect& r, int32_t radius, Rgb c);
  void RoundRect(const Rect& r, int32_t radius, Rgb top, Rgb bottom);
  void RoundFrame(const Rect& r, int32_t radius, Rgb c);
  void Disc(double cx, double cy, double radius, Rgb c);
  void Ring(double cx, double cy, double radius, double thickness, Rgb c);
  void Line(double x0, double y0, double x1, double y1, double thickness, Rgb c);

  void Text(int32_t x, int32_t y, const TextMask& text, Rgb c);
  // The text with a one-pixel outline all round, drawn before it.
  void OutlinedText(int32_t x, int32_t y, const TextMask& text, Rgb c, Rgb outline);
  // Centred in r, which the text must fit; returns the left edge used.
  int32_t CentredText(const Rect& r, const TextMask& text, Rgb c);
  void CentredOutlinedText(const Rect& r, const TextMask& text, Rgb c, Rgb outline);

  // Copies another canvas to (x, y).
  void Paste(int32_t x, int32_t y, const Canvas& from);

 private:
  int32_t width_;
  int32_t height_;
  std::vector<Rgb> pixels_;
};

}  // namespace art
