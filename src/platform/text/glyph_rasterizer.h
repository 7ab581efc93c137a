#pragma once

#include <cstdint>
#include <memory>

#include "platform/text/face_file.h"

namespace platform {

// Draws single glyphs of one face into cell masks, with one-bit ink: a pixel
// is either set or not, never grey. The face is sized once for the cells.
class GlyphRasterizer {
 public:
  // Null when the face cannot be opened or sized.
  static std::unique_ptr<GlyphRasterizer> Open(const FaceFile& face, int32_t cellHeight, int32_t halfWidth,
                                               bool bold);
  ~GlyphRasterizer();
  GlyphRasterizer(const GlyphRasterizer&) = delete;
  GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

  // Sets to 1 the ink pixels of the glyph in `mask`, cellWidth x cellHeight
  // bytes row after row, cut to the cell: centred in it, or from its left
  // edge when `ownWidth`. `advance` gets the glyph's own width in pixels,
  // bold included and at most the cell's, whenever the face has the glyph.
  // False when the face has no such glyph or the glyph has no ink inside the
  // cell.
  bool Render(char32_t codePoint, int32_t cellWidth, bool ownWidth, uint8_t* mask, int32_t& advance);

 private:
  struct Impl;
  explicit GlyphRasterizer(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
