#include "platform/widgets/button.h"

#include <algorithm>

#include "platform/draw/clip.h"

namespace platform {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kShadow{128, 128, 128};
constexpr Rgb kBlack{0, 0, 0};

void Frame(Surface& surface, const Rect& r, Rgb topLeft, Rgb bottomRight) {
  FillRect(surface, {r.left, r.top, r.right, r.top + 1}, topLeft);
  FillRect(surface, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
  FillRect(surface, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillRect(surface, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

Rect Inset(const Rect& r, int32_t by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// Every other pixel of the rectangle's edge, as the system marks the focus.
void DottedFrame(Surface& surface, const Rect& r, Rgb color) {
  const Rect bounds = surface.Bounds();
  const uint16_t ink = PackColor(surface.Format(), color);
  auto dot = [&](int32_t x, int32_t y) {
    const Rect one = Intersect({x, y, x + 1, y + 1}, bounds);
    if (one.Width() > 0 && one.Height() > 0 && ((x + y) & 1) == 0) surface.SetPixel(x, y, ink);
  };
  for (int32_t x = r.left; x < r.right; ++x) {
    dot(x, r.top);
    dot(x, r.bottom - 1);
  }
  for (int32_t y = r.top; y < r.bottom; ++y) {
    dot(r.left, y);
    dot(r.right - 1, y);
  }
}

}  // namespace

void FillRect(Surface& surface, const Rect& rect, Rgb color) {
  const Rect r = Intersect(rect, surface.Bounds());
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const uint16_t value = PackColor(surface.Format(), color);
  for (int32_t y = r.top; y < r.bottom; ++y) std::fill_n(surface.Row(y) + r.left, r.Width(), value);
}

void Button::Draw(Surface& surface) const {
  if (!visible) return;
  FillRect(surface, place, kButtonFace);
  // The focused button also carries the black outline of the default button.
  Rect face = place;
  if (focused) {
    Frame(surface, face, kBlack, kBlack);
    face = Inset(face, 1);
  }
  if (pressed) {
    Frame(surface, face, kShadow, kShadow);
  } else {
    Frame(surface, face, kWhite, kBlack);
    Frame(surface, Inset(face, 1), kButtonFace, kShadow);
  }
  // A pressed caption moves one pixel down and right with the face.
  const int32_t shift = pressed ? 1 : 0;
  if (font != nullptr && !caption.empty()) {
    const int32_t x = place.left + (place.Width() - font->TextWidth(caption)) / 2 + shift;
    const int32_t y = place.top + (place.Height() - fontHeight) / 2 + shift;
    font->Draw(surface, x, y, caption, textColor, kButtonFace);
  }
  if (focused) DottedFrame(surface, Inset(place, 4), kBlack);
}

}  // namespace platform
