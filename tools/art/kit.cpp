#include "kit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "platform/draw/pixel_format.h"
#include "platform/draw/surface.h"
#include "platform/language/translation.h"
#include "platform/text_codec.h"

namespace art {

namespace {

uint8_t Channel(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

// How much of the pixel (x, y) lies within `radius` of the rounded corner
// centres of r: 1 inside, 0 outside, a fraction on the edge.
double RoundCoverage(const Rect& r, int32_t radius, int32_t x, int32_t y) {
  const double px = x + 0.5;
  const double py = y + 0.5;
  const double cx = std::clamp(px, static_cast<double>(r.left + radius), static_cast<double>(r.right - radius));
  const double cy = std::clamp(py, static_cast<double>(r.top + radius), static_cast<double>(r.bottom - radius));
  const double d = std::hypot(px - cx, py - cy);
  return std::clamp(radius + 0.5 - d, 0.0, 1.0);
}

std::vector<std::string>& MisfitList() {
  static std::vector<std::string> misfits;
  return misfits;
}

std::string Language() { return platform::CurrentLanguage() == platform::Language::English ? "en" : "ja"; }

// Whether a CP932 character draws any ink on its own.
bool HasInk(platform::Font& font, std::string_view character) {
  const int32_t width = std::max(font.TextWidth(character), 1);
  platform::Surface probe(width, 64, platform::PixelFormat::Rgb565());
  probe.Fill(0);
  font.Draw(probe, 0, 0, character, {255, 255, 255}, {0, 0, 0});
  for (int32_t y = 0; y < 64; ++y)
    for (int32_t x = 0; x < width; ++x)
      if (probe.Pixel(x, y) != 0) return true;
  return false;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t), Channel(a.b + (b.b - a.b) * t)};
}
Rgb Lighter(Rgb c, double t) { return Mix(c, {255, 255, 255}, t); }
Rgb Darker(Rgb c, double t) { return Mix(c, kInk, t); }

std::unique_ptr<platform::Font> MakeFont(int32_t height, int32_t width) {
  platform::LogFont logFont;
  logFont.lfHeight = height;
  logFont.lfWidth = width;
  logFont.lfWeight = 700;
  logFont.lfCharSet = 128;
  logFont.lfOutPrecision = 4;
  logFont.lfClipPrecision = 128;
  logFont.lfPitchAndFamily = 4;
  logFont.lfFaceName = platform::Utf8ToCp932("ＭＳ ゴシック");
  return platform::Font::Create(logFont);
}

platform::Font& Lettering(int32_t height, int32_t width) {
  static std::map<std::pair<int32_t, int32_t>, std::unique_ptr<platform::Font>> fonts;
  if (platform::CurrentLanguage() == platform::Language::English) {
    ++height;
    ++width;
  }
  auto& font = fonts[{height, width}];
  if (!font) font = MakeFont(height, width);
  return *font;
}

std::string Words(const char* text) { return platform::TrUtf8(text); }
std::string Words(const char* context, const char* text) { return platform::Cp932ToUtf8(platform::TrIn(context, text)); }

void CheckFits(const Rect& box, const TextMask& text) {
  if (text.width <= box.Width() && text.height <= box.Height()) return;
  MisfitList().push_back(Language() + ": a text of " + std::to_string(text.width) + " x " + std::to_string(text.height) +
                         " overflows its box of " + std::to_string(box.Width()) + " x " + std::to_string(box.Height()) +
                         " at " + std::to_string(box.left) + ", " + std::to_string(box.top));
}

const std::vector<std::string>& Misfits() { return MisfitList(); }

TextMask RenderText(platform::Font& font, const std::string& utf8) {
  const std::string cp932 = platform::Utf8ToCp932(utf8);
  if (platform::Cp932ToUtf8(cp932) != utf8) MisfitList().push_back(Language() + ": \"" + utf8 + "\" is not all CP932");
  for (size_t i = 0; i < cp932.size();) {
    const auto lead = static_cast<uint8_t>(cp932[i]);
    const size_t length = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
    const std::string_view character = std::string_view(cp932).substr(i, length);
    if (character != " " && character != "\x81\x40" && !HasInk(font, character)) {
      MisfitList().push_back(Language() + ": no glyph for a character of \"" + utf8 + "\"");
    }
    i += length;
  }
  TextMask mask;
  mask.width = font.TextWidth(cp932);
  platform::Surface probe(std::max(mask.width, 1), 64, platform::PixelFormat::Rgb565());
  probe.Fill(0);
  font.Draw(probe, 0, 0, cp932, {255, 255, 255}, {0, 0, 0});
  // The cell height is the lowest row the box filled; the box is black, so
  // find it from a second pass with a coloured box.
  platform::Surface box(std::max(mask.width, 1), 64, platform::PixelFormat::Rgb565());
  box.Fill(0);
  font.Draw(box, 0, 0, cp932, {255, 255, 255}, {255, 255, 255});
  while (mask.height < 64 && box.Pixel(0, mask.height) != 0) ++mask.height;
  mask.ink.assign(static_cast<size_t>(mask.width) * mask.height, 0);
  for (int32_t y = 0; y < mask.height; ++y)
    for (int32_t x = 0; x < mask.width; ++x) mask.ink[static_cast<size_t>(y) * mask.width + x] = probe.Pixel(x, y) != 0;
  return mask;
}

TextMask Trimmed(const TextMask& text) {
  int32_t left = text.width, top = text.height, right = -1, bottom = -1;
  for (int32_t y = 0; y < text.height; ++y)
    for (int32_t x = 0; x < text.width; ++x)
      if (text.At(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  TextMask out;
  if (right < 0) return out;
  out.width = right - left + 1;
  out.height = bottom - top + 1;
  out.ink.assign(static_cast<size_t>(out.width) * out.height, 0);
  for (int32_t y = 0; y < out.height; ++y)
    for (int32_t x = 0; x < out.width; ++x) out.ink[static_cast<size_t>(y) * out.width + x] = text.At(left + x, top + y);
  return out;
}

Canvas::Canvas(int32_t width, int32_t height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Set(int32_t x, int32_t y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::Blend(int32_t x, int32_t y, Rgb c, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  Rgb& p = pixels_[static_cast<size_t>(y) * width_ + x];
  p = Mix(p, c, std::min(alpha, 1.0));
}

void Canvas::Fill(const Rect& r, Rgb c) {
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) Set(x, y, c);
}

void Canvas::Frame(const Rect& r, Rgb c) {
  Fill({r.left, r.top, r.right, r.top + 1}, c);
  Fill({r.left, r.bottom - 1, r.right, r.bottom}, c);
  Fill({r.left, r.top, r.left + 1, r.bottom}, c);
  Fill({r.right - 1, r.top, r.right, r.bottom}, c);
}

void Canvas::Bevel(const Rect& r, Rgb light, Rgb dark, int32_t depth) {
  for (int32_t i = 0; i < depth; ++i) {
    Fill({r.left + i, r.bottom - 1 - i, r.right - i, r.bottom - i}, dark);
    Fill({r.right - 1 - i, r.top + i, r.right - i, r.bottom - i}, dark);
    Fill({r.left + i, r.top + i, r.right - 1 - i, r.top + i + 1}, light);
    Fill({r.left + i, r.top + i, r.left + i + 1, r.bottom - 1 - i}, light);
  }
}

void Canvas::VerticalGradient(const Rect& r, Rgb top, Rgb bottom) {
  const int32_t span = std::max(r.Height() - 1, 1);
  for (int32_t y = r.top; y < r.bottom; ++y) Fill({r.left, y, r.right, y + 1}, Mix(top, bottom, double(y - r.top) / span));
}

void Canvas::RoundRect(const Rect& r, int32_t radius, Rgb c) {
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) Blend(x, y, c, RoundCoverage(r, radius, x, y));
}

void Canvas::RoundRect(const Rect& r, int32_t radius, Rgb top, Rgb bottom) {
  const int32_t span = std::max(r.Height() - 1, 1);
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x)
      Blend(x, y, Mix(top, bottom, double(y - r.top) / span), RoundCoverage(r, radius, x, y));
}

void Canvas::RoundFrame(const Rect& r, int32_t radius, Rgb c) {
  const Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) {
      const double outer = RoundCoverage(r, radius, x, y);
      const double in = RoundCoverage(inner, std::max(radius - 1, 0), x, y);
      Blend(x, y, c, outer - in);
    }
}

void Canvas::Disc(double cx, double cy, double radius, Rgb c) {
  for (int32_t y = static_cast<int32_t>(cy - radius - 1); y <= cy + radius + 1; ++y)
    for (int32_t x = static_cast<int32_t>(cx - radius - 1); x <= cx + radius + 1; ++x)
      Blend(x, y, c, std::clamp(radius + 0.5 - std::hypot(x + 0.5 - cx, y + 0.5 - cy), 0.0, 1.0));
}

void Canvas::Ring(double cx, double cy, double radius, double thickness, Rgb c) {
  for (int32_t y = static_cast<int32_t>(cy - radius - 1); y <= cy + radius + 1; ++y)
    for (int32_t x = static_cast<int32_t>(cx - radius - 1); x <= cx + radius + 1; ++x) {
      const double d = std::abs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - (radius - thickness / 2));
      Blend(x, y, c, std::clamp(thickness / 2 + 0.5 - d, 0.0, 1.0));
    }
}

void Canvas::Line(double x0, double y0, double x1, double y1, double thickness, Rgb c) {
  const double length = std::max(std::hypot(x1 - x0, y1 - y0), 1e-9);
  const int32_t left = static_cast<int32_t>(std::min(x0, x1) - thickness - 1);
  const int32_t right = static_cast<int32_t>(std::max(x0, x1) + thickness + 1);
  const int32_t top = static_cast<int32_t>(std::min(y0, y1) - thickness - 1);
  const int32_t bottom = static_cast<int32_t>(std::max(y0, y1) + thickness + 1);
  for (int32_t y = top; y <= bottom; ++y)
    for (int32_t x = left; x <= right; ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      const double t = std::clamp(((px - x0) * (x1 - x0) + (py - y0) * (y1 - y0)) / (length * length), 0.0, 1.0);
      const double d = std::hypot(px - (x0 + t * (x1 - x0)), py - (y0 + t * (y1 - y0)));
      Blend(x, y, c, std::clamp(thickness / 2 + 0.5 - d, 0.0, 1.0));
    }
}

void Canvas::Text(int32_t x, int32_t y, const TextMask& text, Rgb c) {
  for (int32_t row = 0; row < text.height; ++row)
    for (int32_t col = 0; col < text.width; ++col)
      if (text.At(col, row)) Set(x + col, y + row, c);
}

void Canvas::OutlinedText(int32_t x, int32_t y, const TextMask& text, Rgb c, Rgb outline) {
  for (int32_t row = -1; row <= text.height; ++row)
    for (int32_t col = -1; col <= text.width; ++col) {
      bool near = false;
      for (int32_t dy = -1; dy <= 1 && !near; ++dy)
        for (int32_t dx = -1; dx <= 1 && !near; ++dx) near = text.At(col + dx, row + dy);
      if (near) Set(x + col, y + row, outline);
    }
  Text(x, y, text, c);
}

int32_t Canvas::CentredText(const Rect& r, const TextMask& text, Rgb c) {
  CheckFits(r, text);
  const int32_t x = r.left + (r.Width() - text.width) / 2;
  Text(x, r.top + (r.Height() - text.height) / 2, text, c);
  return x;
}

void Canvas::CentredOutlinedText(const Rect& r, const TextMask& text, Rgb c, Rgb outline) {
  CheckFits(r, text);
  OutlinedText(r.left + (r.Width() - text.width) / 2, r.top + (r.Height() - text.height) / 2, text, c, outline);
}

void Canvas::Paste(int32_t x, int32_t y, const Canvas& from) {
  for (int32_t row = 0; row < from.Height(); ++row)
    for (int32_t col = 0; col < from.Width(); ++col) Set(x + col, y + row, from.At(col, row));
}

}  // namespace art
