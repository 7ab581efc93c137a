#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/draw/color.h"
#include "platform/draw/surface.h"

namespace platform {

// The fields of a font description, in the order the game fills them.
struct LogFont {
  int32_t lfHeight = 0;  // the character cell's height in pixels
  int32_t lfWidth = 0;   // the cell width of a half-width character
  int32_t lfEscapement = 0;
  int32_t lfOrientation = 0;
  int32_t lfWeight = 0;  // 700 is bold
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = 0;  // 128: Shift-JIS
  uint8_t lfOutPrecision = 0;
  uint8_t lfClipPrecision = 0;
  uint8_t lfQuality = 0;
  uint8_t lfPitchAndFamily = 0;
  std::string lfFaceName;  // CP932
};

// A font made from a description: the face found on the system, rendered in
// one colour with no grey edges, in cells of exactly the described size. A
// half-width character advances by lfWidth, a full-width one by twice it;
// in a variable-pitch font (2 in the low bits of lfPitchAndFamily) each
// advances by its glyph's own width instead, never more than its cell.
class Font {
 public:
  virtual ~Font() = default;

  // Never fails: with no usable face installed, text draws as its boxes only.
  static std::unique_ptr<Font> Create(const LogFont& logFont);

  // Draws the CP932 text with its top-left corner at (x, y): every character
  // cell filled with `back`, the glyphs' pixels in `text`, both converted to
  // the surface's pixel layout. Anything outside the surface is cut off.
  virtual void Draw(Surface& surface, int32_t x, int32_t y, std::string_view cp932, Rgb text, Rgb back) = 0;
  // The width of the text's box: the sum of the characters' advances.
  virtual int32_t TextWidth(std::string_view cp932) const = 0;
  // The family name of the face in use (UTF-8), empty when none was found.
  virtual std::string FaceName() const = 0;
};

}  // namespace platform
