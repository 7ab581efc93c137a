#include "art.h"

namespace art {

namespace {

constexpr Rgb kStripFace{86, 186, 86};
constexpr Rgb kCloseFace{214, 76, 62};

}  // namespace

// A pressed button sinks: its bevel turns round, its face darkens and the
// icon moves one pixel down and right.
void DrawStripButton(Canvas& c, int32_t x, int32_t y, int32_t w, int32_t h, StripIcon icon, bool pressed) {
  const Rgb base = icon == StripIcon::Close ? kCloseFace : kStripFace;
  const Rgb face = pressed ? Darker(base, 0.3) : base;
  const Rect r{x, y, x + w, y + h};
  c.Fill(r, face);
  c.Frame(r, {22, 52, 22});
  const Rect inner{x + 1, y + 1, x + w - 1, y + h - 1};
  if (pressed) {
    c.Bevel(inner, Darker(base, 0.6), Lighter(face, 0.2), 1);
  } else {
    c.Bevel(inner, Lighter(base, 0.6), Darker(base, 0.45), 2);
  }
  const double s = pressed ? 1 : 0;
  const double cx = x + w / 2.0 + s;
  const double cy = y + h / 2.0 + s;
  const Rgb ink{250, 252, 240};
  switch (icon) {
    case StripIcon::Minimise:
      c.Fill({static_cast<int32_t>(cx - 5), static_cast<int32_t>(cy + 2), static_cast<int32_t>(cx + 5),
              static_cast<int32_t>(cy + 4)},
             ink);
      break;
    case StripIcon::DisplayMode: {
      const Rect box{static_cast<int32_t>(cx - 5), static_cast<int32_t>(cy - 4), static_cast<int32_t>(cx + 5),
                     static_cast<int32_t>(cy + 4)};
      c.Frame(box, ink);
      c.Fill({box.left, box.top, box.right, box.top + 2}, ink);
      break;
    }
    case StripIcon::Close:
      c.Line(cx - 4, cy - 4, cx + 4, cy + 4, 2.2, ink);
      c.Line(cx - 4, cy + 4, cx + 4, cy - 4, 2.2, ink);
      break;
  }
}

// Closed it stands out of the backdrop; open it is sunk and lit, with its
// arrow turned up.
void DrawMenuButton(Canvas& c, int32_t x, int32_t y, bool open) {
  const Rect r{x, y, x + 70, y + 26};
  const Rgb top = open ? Rgb{252, 212, 96} : Rgb{92, 132, 196};
  const Rgb bottom = open ? Rgb{232, 160, 48} : Rgb{52, 82, 146};
  c.Fill(r, {22, 26, 40});
  const Rect face{x + 1, y + 1, x + 69, y + 25};
  c.VerticalGradient(face, top, bottom);
  if (open) {
    c.Bevel(face, Darker(bottom, 0.5), Lighter(top, 0.3), 2);
  } else {
    c.Bevel(face, Lighter(top, 0.55), Darker(bottom, 0.5), 2);
  }
  const int32_t s = open ? 1 : 0;
  platform::Font* font = &Lettering(12, 6);
  const TextMask label = Trimmed(RenderText(*font, Words("MENU")));
  CheckFits({x + 8, y + 2, x + 55, y + 24}, label);
  const Rgb ink = open ? Rgb{70, 36, 10} : Rgb{250, 250, 255};
  const Rgb shade = open ? Rgb{255, 236, 170} : Rgb{30, 44, 90};
  const int32_t tx = x + 8 + s;
  const int32_t ty = y + (26 - label.height) / 2 + s;
  c.Text(tx + 1, ty + 1, label, shade);
  c.Text(tx, ty, label, ink);
  const double ax = x + 59 + s;
  const double ay = y + 13 + s;
  for (int32_t row = 0; row < 5; ++row) {
    const int32_t half = open ? row : 4 - row;
    c.Fill({static_cast<int32_t>(ax) - half, static_cast<int32_t>(ay) - 2 + row, static_cast<int32_t>(ax) + half + 1,
            static_cast<int32_t>(ay) - 1 + row},
           ink);
  }
}

}  // namespace art
