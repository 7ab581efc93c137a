#include "art.h"

namespace art {

namespace {

// A push button of the panels: a dark rim, a gradient face with a raised
// bevel and its label in the middle.
void PushButton(Canvas& c, const Rect& r, Rgb top, Rgb bottom, const std::string& label, Rgb ink) {
  c.Fill(r, {20, 22, 30});
  const Rect face{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  c.VerticalGradient(face, top, bottom);
  c.Bevel(face, Lighter(top, 0.6), Darker(bottom, 0.5), 1);
  platform::Font* font = &Lettering(12, 5);
  const TextMask text = Trimmed(RenderText(*font, label));
  c.CentredOutlinedText(face, text, ink, Darker(bottom, 0.6));
}

// A heading ribbon: deep gradient, gold edges, the words outlined.
void Heading(Canvas& c, const Rect& r, Rgb top, Rgb bottom, const TextMask& text) {
  c.VerticalGradient(r, top, bottom);
  c.Frame(r, {220, 180, 70});
  c.Frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Darker(bottom, 0.4));
  for (int32_t i = 0; i < 3; ++i) {
    c.Fill({r.left + 5 + i, r.top + 9 - i, r.left + 6 + i, r.top + 11 + i}, {240, 200, 90});
    c.Fill({r.right - 6 - i, r.top + 9 - i, r.right - 5 - i, r.top + 11 + i}, {240, 200, 90});
  }
  c.CentredOutlinedText({r.left, r.top + 1, r.right, r.bottom}, text, {255, 250, 235}, Darker(bottom, 0.7));
}

// The banners stand on the key: a rounded plate, black outside its corners.
void Banner(Canvas& c, int32_t y, Rgb top, Rgb bottom, Rgb rim, const std::string& words, Rgb ink, Rgb outline) {
  const Rect plate{361, y + 1, 559, y + 34};
  c.RoundRect(plate, 9, top, bottom);
  c.RoundFrame(plate, 9, rim);
  c.RoundFrame({plate.left + 2, plate.top + 2, plate.right - 2, plate.bottom - 2}, 7, Mix(rim, top, 0.5));
  static const auto font = MakeFont(24, 12);
  c.CentredOutlinedText(plate, Trimmed(RenderText(*font, words)), ink, outline);
}

}  // namespace

Canvas EffectSheet() {
  Canvas c(640, 200);
  DrawStripButton(c, 75, 0, 21, 18, StripIcon::Minimise, true);
  DrawStripButton(c, 100, 0, 21, 18, StripIcon::DisplayMode, true);
  DrawStripButton(c, 125, 0, 28, 18, StripIcon::Close, true);

  // The menu's close box.
  {
    const Rect r{305, 0, 325, 20};
    c.Fill(r, {20, 22, 30});
    const Rect face{306, 1, 324, 19};
    c.VerticalGradient(face, {236, 96, 80}, {170, 40, 36});
    c.Bevel(face, {255, 176, 160}, {96, 20, 20}, 1);
    c.Line(310.5, 5.5, 319.5, 14.5, 2.4, {255, 250, 246});
    c.Line(310.5, 14.5, 319.5, 5.5, 2.4, {255, 250, 246});
  }
  PushButton(c, {305, 20, 355, 40}, {120, 160, 230}, {50, 84, 170}, Words("Back"), {255, 255, 255});
  PushButton(c, {305, 40, 355, 60}, {255, 210, 90}, {226, 130, 30}, Words("Start"), {255, 255, 255});

  static const auto headingFont = MakeFont(16, 8);
  Heading(c, {160, 40, 300, 60}, {70, 96, 170}, {30, 44, 110}, Trimmed(RenderText(*headingFont, Words("Game menu"))));
  Heading(c, {160, 60, 300, 80}, {60, 150, 96}, {20, 84, 52}, Trimmed(RenderText(*headingFont, Words("title heading", "Lumora"))));

  DrawMenuButton(c, 0, 70, true);

  Banner(c, 0, {255, 232, 120}, {236, 150, 40}, {255, 252, 220}, Words("Solved!"), {255, 255, 250}, {150, 60, 10});
  Banner(c, 35, {130, 140, 176}, {56, 62, 92}, {200, 206, 230}, Words("Game over"), {236, 238, 250}, {26, 28, 52});
  return c;
}

}  // namespace art
