#include <cmath>

#include "art.h"

namespace art {

namespace {

constexpr Rgb kStrip{50, 160, 50};
constexpr Rgb kHudBox{198, 198, 50};
constexpr Rgb kPanel{40, 52, 64};

// Soft lights drifting behind everything, always at the same places.
void Glows(Canvas& c) {
  struct Glow {
    double x, y, r;
    Rgb colour;
    double strength;
  };
  const Glow glows[] = {{70, 330, 60, {250, 200, 90}, 0.18},  {40, 420, 34, {120, 220, 200}, 0.16},
                        {590, 300, 52, {120, 220, 200}, 0.16}, {600, 420, 40, {250, 200, 90}, 0.15},
                        {330, 470, 90, {90, 170, 200}, 0.10},  {90, 270, 18, {250, 230, 160}, 0.20},
                        {560, 240, 22, {250, 230, 160}, 0.18}};
  for (const Glow& g : glows)
    for (int32_t y = static_cast<int32_t>(g.y - g.r); y <= g.y + g.r; ++y)
      for (int32_t x = static_cast<int32_t>(g.x - g.r); x <= g.x + g.r; ++x) {
        const double d = std::hypot(x - g.x, y - g.y) / g.r;
        if (d < 1) c.Blend(x, y, g.colour, g.strength * (1 - d * d));
      }
}

void TitleStrip(Canvas& c) {
  c.Fill({0, 0, 640, 27}, kStrip);
  c.Fill({0, 0, 640, 1}, {130, 214, 130});
  c.Fill({0, 1, 640, 2}, {90, 190, 90});
  c.Fill({0, 25, 640, 26}, {30, 110, 30});
  c.Fill({0, 26, 640, 27}, {16, 60, 16});
  // Grip ridges show where the strip can be taken hold of, clear of the
  // title, which is written on the plain green at (30, 7).
  for (int32_t y : {9, 13, 17}) {
    c.Fill({124, y, 546, y + 1}, {110, 200, 110});
    c.Fill({124, y + 1, 546, y + 2}, {30, 112, 30});
  }
  c.Fill({6, 4, 8, 23}, {110, 200, 110});
  DrawStripButton(c, 555, 5, 21, 18, StripIcon::Minimise, false);
  DrawStripButton(c, 580, 5, 21, 18, StripIcon::DisplayMode, false);
  DrawStripButton(c, 605, 5, 28, 18, StripIcon::Close, false);
}

void PanelBox(Canvas& c, const Rect& r) {
  c.RoundRect(r, 6, Lighter(kPanel, 0.25));
  c.RoundRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, 5, kPanel);
}

// A yellow window where the HUD writes a number: the text's own background
// is this colour, so the number sits in it seamlessly.
void NumberBox(Canvas& c, const Rect& r) {
  c.Fill(r, kHudBox);
  c.Bevel({r.left - 2, r.top - 2, r.right + 2, r.bottom + 2}, {24, 30, 20}, {150, 160, 120}, 2);
}

void Hud(Canvas& c) {
  platform::Font* font = &Lettering(12, 6);
  PanelBox(c, {20, 42, 120, 156});
  c.CentredOutlinedText({20, 58, 120, 72}, Trimmed(RenderText(*font, Words("TIME"))), {240, 240, 200}, {16, 16, 20});
  NumberBox(c, {36, 77, 104, 99});
  c.CentredOutlinedText({20, 104, 120, 118}, Trimmed(RenderText(*font, Words("POINTS"))), {240, 240, 200}, {16, 16, 20});
  NumberBox(c, {36, 122, 104, 144});

  // The hint icon lights up in the socket at (86, 197) while hints are held.
  PanelBox(c, {20, 176, 120, 254});
  const TextMask button = Trimmed(RenderText(*font, Words("R-click")));
  const TextMask hint = Trimmed(RenderText(*font, Words("HINT")));
  CheckFits({28, 200, 82, 216}, button);
  CheckFits({34, 218, 82, 234}, hint);
  c.Text(28, 200, button, {240, 240, 200});
  c.Text(34, 218, hint, {255, 214, 64});
  c.Fill({83, 194, 100, 236}, {24, 28, 34});
  c.Bevel({82, 193, 101, 237}, {20, 24, 30}, {100, 112, 126}, 1);
}

void Field(Canvas& c) {
  c.Bevel({122, 42, 538, 458}, {14, 20, 26}, {120, 150, 170}, 2);
  c.Bevel({124, 44, 536, 456}, {70, 90, 110}, {20, 26, 34}, 2);
  c.Fill({126, 46, 534, 454}, {30, 40, 52});
  c.Fill({130, 50, 530, 450}, {22, 30, 40});
  for (int32_t i = 0; i <= 20; ++i) {
    c.Fill({130 + 20 * i, 50, 131 + 20 * i, 450}, {34, 46, 60});
    c.Fill({130, 50 + 20 * i, 530, 51 + 20 * i}, {34, 46, 60});
  }
}

// How to read the board, with the board's own tiles.
void Legend(Canvas& c) {
  platform::Font* font = &Lettering(12, 6);
  const Canvas tiles = SpriteSheet();
  PanelBox(c, {544, 76, 632, 226});
  c.CentredOutlinedText({544, 82, 632, 96}, Trimmed(RenderText(*font, Words("How to play"))), {255, 226, 110}, {16, 16, 20});
  struct Row {
    int32_t sx, sy;
    const char* text;
  };
  const Row rows[] = {{20, 0, N_("Lit")}, {0, 40, N_("Count")}, {20, 40, N_("Match")}};
  for (int32_t i = 0; i < 3; ++i) {
    const int32_t y = 104 + 26 * i;
    for (int32_t ty = 0; ty < 20; ++ty)
      for (int32_t tx = 0; tx < 20; ++tx) c.Set(552 + tx, y + ty, tiles.At(rows[i].sx + tx, rows[i].sy + ty));
    const TextMask words = Trimmed(RenderText(*font, Words(rows[i].text)));
    CheckFits({578, y + 4, 630, y + 20}, words);
    c.Text(578, y + 4, words, {236, 240, 250});
  }
  const TextMask left = Trimmed(RenderText(*font, Words("L: switch")));
  const TextMask right = Trimmed(RenderText(*font, Words("R: hint")));
  CheckFits({552, 186, 630, 202}, left);
  CheckFits({552, 204, 630, 220}, right);
  c.Text(552, 186, left, {200, 210, 230});
  c.Text(552, 204, right, {200, 210, 230});
}

}  // namespace

Canvas BackSheet() {
  Canvas c(640, 480);
  c.VerticalGradient({0, 27, 640, 480}, {28, 66, 80}, {12, 30, 44});
  Glows(c);
  TitleStrip(c);
  DrawMenuButton(c, 560, 35, false);
  Hud(c);
  Field(c);
  Legend(c);
  return c;
}

}  // namespace art
