#include "platform/bitmap/bitmap_file.h"

namespace platform {

namespace {

uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 | static_cast<uint32_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(b[at + 3]) << 24;
}

// The 5-bit channel at `shift` widened to 8 bits as SDL widens it.
uint8_t Widen5(uint32_t pixel, int shift) {
  const uint32_t v = (pixel >> shift) & 0x1F;
  return static_cast<uint8_t>(v << 3 | v >> 2);
}

}  // namespace

// The page has no SDL: the uncompressed depths are read here, palettes,
// 16-bit 5-5-5 and 24- and 32-bit pixels, bottom row first unless the height
// is negative. Bit fields are left to the desktop; the game's files have none.
Picture DecodeBitmap(std::span<const uint8_t> file) {
  if (!PlausibleBitmap(file) || U32(file, 30) != 0) NotABitmap();
  const int32_t width = static_cast<int32_t>(U32(file, 18));
  const int32_t rawHeight = static_cast<int32_t>(U32(file, 22));
  const int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
  const int bits = file[28] | file[29] << 8;
  const size_t paletteAt = 14 + U32(file, 14);
  uint32_t colours = U32(file, 46);
  if (bits <= 8 && (colours == 0 || colours > (1u << bits))) colours = 1u << bits;
  if (bits <= 8 && paletteAt + colours * 4 > file.size()) NotABitmap();
  const size_t offset = U32(file, 10);
  const size_t rowBytes = (static_cast<size_t>(width) * bits + 31) / 32 * 4;

  Picture picture{width, height, std::vector<Rgb>(static_cast<size_t>(width) * height)};
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* row = file.data() + offset + rowBytes * static_cast<size_t>(rawHeight < 0 ? y : height - 1 - y);
    Rgb* out = picture.pixels.data() + static_cast<size_t>(y) * width;
    for (int32_t x = 0; x < width; ++x) {
      if (bits <= 8) {
        const int perByte = 8 / bits;
        const uint32_t index = (row[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1u << bits) - 1);
        // An index past the palette is black, as SDL draws it.
        if (index >= colours) continue;
        const uint8_t* entry = file.data() + paletteAt + index * 4;
        out[x] = {entry[2], entry[1], entry[0]};
      } else if (bits == 16) {
        const uint32_t p = row[x * 2] | row[x * 2 + 1] << 8;
        out[x] = {Widen5(p, 10), Widen5(p, 5), Widen5(p, 0)};
      } else {
        const uint8_t* p = row + static_cast<size_t>(x) * (bits / 8);
        out[x] = {p[2], p[1], p[0]};
      }
    }
  }
  return picture;
}

}  // namespace platform
