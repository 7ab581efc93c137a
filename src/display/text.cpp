#include "display/display.h"
#include "platform/draw/blit.h"

namespace display {

namespace {

platform::Rgb Colour(int32_t r, int32_t g, int32_t b) {
  // Only the low eight bits of each value count.
  return {static_cast<uint8_t>(r & 0xFF), static_cast<uint8_t>(g & 0xFF), static_cast<uint8_t>(b & 0xFF)};
}

bool SameFont(const platform::LogFont& a, const platform::LogFont& b) {
  return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfWeight == b.lfWeight &&
         a.lfFaceName == b.lfFaceName && a.lfCharSet == b.lfCharSet && a.lfPitchAndFamily == b.lfPitchAndFamily;
}

}  // namespace

void MakeFont(Display& d, int32_t height, int32_t width, const std::string& face) {
  platform::LogFont logFont;
  logFont.lfHeight = height;
  logFont.lfWidth = width;
  logFont.lfEscapement = 0;
  logFont.lfOrientation = 0;
  logFont.lfWeight = 700;
  logFont.lfItalic = 0;
  logFont.lfUnderline = 0;
  logFont.lfStrikeOut = 0;
  logFont.lfCharSet = 128;
  logFont.lfOutPrecision = 4;
  logFont.lfClipPrecision = 128;
  logFont.lfQuality = 0;
  logFont.lfPitchAndFamily = 4;
  logFont.lfFaceName = face;
  d.FontSpec = logFont;
  // Each build asks for the same two fonts; the ones made before keep their
  // rendered glyphs, so a rebuild renders nothing again.
  for (auto& [made, font] : d.fonts) {
    if (SameFont(made, logFont)) {
      d.CurrentFont = font.get();
      return;
    }
  }
  d.fonts.emplace_back(logFont, platform::Font::Create(logFont));
  d.CurrentFont = d.fonts.back().second.get();
}

void PutTextOn(Display& d, platform::Surface* surface, int32_t x, int32_t y, const std::string& text, int32_t textR,
               int32_t textG, int32_t textB, int32_t backR, int32_t backG, int32_t backB) {
  if (surface == nullptr || d.CurrentFont == nullptr) return;
  d.CurrentFont->Draw(*surface, x, y, text, Colour(textR, textG, textB), Colour(backR, backG, backB));
}

void PutText(Display& d, int32_t x, int32_t y, const std::string& text, int32_t textR, int32_t textG, int32_t textB,
             int32_t backR, int32_t backG, int32_t backB) {
  PutTextOn(d, d.DrawTarget(), x, y, text, textR, textG, textB, backR, backG, backB);
}

void PutTextKeyed(Display& d, int32_t x, int32_t y, const std::string& text, int32_t r, int32_t g, int32_t b) {
  const auto len = static_cast<int32_t>(text.size());
  PutTextOn(d, d.EffectSheet.get(), 0, 100, text, r, g, b, 0, 0, 0);
  // Half a pixel per byte short of the cell width: the last columns of the
  // box are not copied.
  const auto right = static_cast<int32_t>(len * (d.FontSpec.lfWidth - 0.5));
  BltKeyed(d, x, y, d.EffectSheet.get(), 0, 100, right, d.FontSpec.lfHeight + 100);
}

}  // namespace display
