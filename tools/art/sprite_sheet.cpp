#include <string>
#include <vector>

#include "art.h"

namespace art {

namespace {

constexpr Rgb kSlate{66, 80, 108};
constexpr Rgb kMatch{30, 100, 74};

// The UTF-8 text cut into its characters.
std::vector<std::string> Characters(const std::string& utf8) {
  std::vector<std::string> out;
  for (const char byte : utf8) {
    if ((static_cast<uint8_t>(byte) & 0xC0) != 0x80 || out.empty()) out.emplace_back();
    out.back() += byte;
  }
  return out;
}

// A raised square: the board's cells stand out of the field.
void Tile(Canvas& c, int32_t x, int32_t y, Rgb face) {
  const Rect r{x, y, x + 20, y + 20};
  c.VerticalGradient(r, Lighter(face, 0.12), Darker(face, 0.12));
  c.Bevel(r, Lighter(face, 0.5), Darker(face, 0.55), 1);
}

const TextMask& Digit(int32_t n) {
  static const auto font = MakeFont(18, 10);
  static const TextMask digits[4] = {Trimmed(RenderText(*font, "1")), Trimmed(RenderText(*font, "2")),
                                     Trimmed(RenderText(*font, "3")), Trimmed(RenderText(*font, "4"))};
  return digits[n - 1];
}

void CountTile(Canvas& c, int32_t n, bool match) {
  const int32_t x = match ? 20 : 0;
  const int32_t y = 20 * n;
  if (!match) {
    Tile(c, x, y, kSlate);
    c.CentredOutlinedText({x + 1, y + 1, x + 20, y + 20}, Digit(n), {238, 242, 250}, {30, 36, 54});
    return;
  }
  // A matched count wears a bright frame and a corner notch besides its
  // colour, so it reads apart without relying on hue.
  Tile(c, x, y, kMatch);
  c.Frame({x + 2, y + 2, x + 18, y + 18}, {170, 250, 190});
  c.Fill({x + 2, y + 2, x + 5, y + 5}, {170, 250, 190});
  c.CentredOutlinedText({x + 1, y + 1, x + 20, y + 20}, Digit(n), {255, 244, 150}, {16, 56, 36});
}

// A switched-on cell glows: warm, bright, with a lit core.
void LitTile(Canvas& c, int32_t x, int32_t y, Rgb top, Rgb bottom) {
  const Rect r{x, y, x + 20, y + 20};
  c.VerticalGradient(r, top, bottom);
  c.Bevel(r, Lighter(top, 0.7), Darker(bottom, 0.45), 1);
  c.Disc(x + 10, y + 10, 5.5, Lighter(top, 0.45));
  c.Disc(x + 10, y + 10, 3, {255, 255, 246});
}

}  // namespace

Canvas SpriteSheet() {
  Canvas c(100, 100);
  Tile(c, 0, 0, kSlate);
  for (int32_t n = 1; n <= 4; ++n) {
    CountTile(c, n, false);
    CountTile(c, n, true);
  }
  LitTile(c, 20, 0, {255, 226, 110}, {236, 150, 34});

  // Wrong: a red tile crossed out.
  {
    const Rect r{40, 0, 60, 20};
    c.VerticalGradient(r, {240, 92, 80}, {178, 34, 34});
    c.Bevel(r, {255, 180, 170}, {100, 20, 20}, 1);
    c.Line(45, 5, 55, 15, 2.6, {255, 250, 246});
    c.Line(45, 15, 55, 5, 2.6, {255, 250, 246});
  }
  // Right: a green tile with a ring, the mark of a correct answer.
  {
    const Rect r{60, 0, 80, 20};
    c.VerticalGradient(r, {70, 160, 76}, {26, 96, 40});
    c.Bevel(r, {170, 236, 160}, {16, 60, 24}, 1);
    c.Ring(70, 10, 6.5, 2.4, {200, 255, 190});
  }
  // Missed: a dark cell with the outline of the light that should be there.
  {
    Tile(c, 80, 0, Darker(kSlate, 0.35));
    c.Ring(90, 10, 7, 2, {255, 150, 40});
    c.Disc(90, 10, 1.6, {255, 150, 40});
  }

  // The hint icon stands on the key: a rounded capsule reading its word down,
  // a character a slot.
  {
    const Rect r{40, 20, 51, 56};
    c.RoundRect(r, 5, {255, 214, 64});
    c.RoundFrame(r, 5, {200, 120, 20});
    static const auto font = MakeFont(11, 5);
    const std::vector<std::string> parts = Characters(Words("HINT"));
    const auto n = static_cast<int32_t>(parts.size());
    for (int32_t i = 0; i < n; ++i) {
      const TextMask glyph = Trimmed(RenderText(*font, parts[i]));
      c.CentredText({40, 22 + 33 * i / n, 51, 22 + 33 * (i + 1) / n}, glyph, {90, 40, 10});
    }
  }
  return c;
}

}  // namespace art
