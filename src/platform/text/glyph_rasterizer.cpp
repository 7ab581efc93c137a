#include "platform/text/glyph_rasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <memory>
#include <string>

namespace platform {

struct GlyphRasterizer::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  std::shared_ptr<const std::string> bytes;  // outlives the face made from it
  int32_t cellHeight = 0;
  int32_t baseline = 0;
  bool bold = false;

  ~Impl() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

GlyphRasterizer::GlyphRasterizer(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

GlyphRasterizer::~GlyphRasterizer() = default;

std::unique_ptr<GlyphRasterizer> GlyphRasterizer::Open(const FaceFile& file, int32_t cellHeight, int32_t halfWidth,
                                                       bool bold) {
  if (cellHeight <= 0 || halfWidth <= 0) return nullptr;
  auto impl = std::make_unique<Impl>();
  if (FT_Init_FreeType(&impl->library) != 0) return nullptr;
  impl->bytes = file.bytes;
  const FT_Error opened =
      file.bytes ? FT_New_Memory_Face(impl->library, reinterpret_cast<const FT_Byte*>(file.bytes->data()),
                                      static_cast<FT_Long>(file.bytes->size()), file.index, &impl->face)
                 : FT_New_Face(impl->library, file.path.c_str(), file.index, &impl->face);
  if (opened != 0) return nullptr;
  FT_Face face = impl->face;
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return nullptr;
  if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) return nullptr;

  // Ascender to descender must fit the cell: a face whose extent is taller
  // than its em is scaled down, and any spare rows go evenly above and below.
  const int64_t em = face->units_per_EM;
  int64_t ascent = face->ascender;
  int64_t extent = int64_t{face->ascender} - face->descender;
  if (ascent <= 0 || extent <= 0) {
    ascent = em;
    extent = em;
  }
  const int64_t yPpem = std::max<int64_t>(1, extent > em ? cellHeight * em / extent : cellHeight);
  // A full-width glyph is an em wide and must fit twice the half width.
  const int64_t xPpem = std::min<int64_t>(yPpem, int64_t{halfWidth} * 2);
  if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(xPpem), static_cast<FT_UInt>(yPpem)) != 0) return nullptr;
  impl->baseline = static_cast<int32_t>((2 * ascent * yPpem + cellHeight * em - extent * yPpem + em) / (2 * em));
  impl->cellHeight = cellHeight;
  impl->bold = bold;
  return std::unique_ptr<GlyphRasterizer>(new GlyphRasterizer(std::move(impl)));
}

namespace {

bool IsInk(const FT_Bitmap& bitmap, const unsigned char* row, unsigned column) {
  switch (bitmap.pixel_mode) {
    case FT_PIXEL_MODE_MONO:
      return (row[column >> 3] & (0x80u >> (column & 7))) != 0;
    case FT_PIXEL_MODE_GRAY:
      return row[column] >= 128;
    case FT_PIXEL_MODE_BGRA:
      return row[column * 4 + 3] >= 128;
    default:
      return false;
  }
}

}  // namespace

bool GlyphRasterizer::Render(char32_t codePoint, int32_t cellWidth, bool ownWidth, uint8_t* mask,
                             int32_t& advance) {
  FT_Face face = impl_->face;
  advance = 0;
  const FT_UInt index = FT_Get_Char_Index(face, codePoint);
  if (index == 0) return false;
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0) return false;
  FT_GlyphSlot slot = face->glyph;
  const int32_t ownAdvance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
  // A bold glyph is a pixel wider, and so is its step.
  advance = std::clamp(ownAdvance + (impl_->bold ? 1 : 0), 0, cellWidth);

  // Outlines are made bold before rendering; a face's own bitmaps are
  // smeared one pixel to the right instead, as a simulated bold is.
  bool smear = false;
  if (impl_->bold) {
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE)
      FT_Outline_EmboldenXY(&slot->outline, 64, 0);
    else
      smear = true;
  }
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return false;

  const FT_Bitmap& bitmap = slot->bitmap;
  const int32_t left = (ownWidth ? 0 : (cellWidth - ownAdvance) / 2) + slot->bitmap_left;
  const int32_t top = impl_->baseline - slot->bitmap_top;
  const int32_t stride = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
  bool ink = false;
  for (unsigned r = 0; r < bitmap.rows; ++r) {
    const int32_t y = top + static_cast<int32_t>(r);
    if (y < 0 || y >= impl_->cellHeight) continue;
    // A negative pitch means the buffer starts with the bottom row.
    const unsigned from = bitmap.pitch < 0 ? bitmap.rows - 1 - r : r;
    const unsigned char* row = bitmap.buffer + static_cast<size_t>(from) * stride;
    uint8_t* out = mask + static_cast<size_t>(y) * cellWidth;
    for (unsigned c = 0; c < bitmap.width; ++c) {
      if (!IsInk(bitmap, row, c)) continue;
      const int32_t x = left + static_cast<int32_t>(c);
      for (int32_t px = x; px <= x + (smear ? 1 : 0); ++px) {
        if (px < 0 || px >= cellWidth) continue;
        out[px] = 1;
        ink = true;
      }
    }
  }
  return ink;
}

}  // namespace platform
