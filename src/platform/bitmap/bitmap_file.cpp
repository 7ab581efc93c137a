#include "platform/bitmap/bitmap_file.h"

#include "platform/draw/clip.h"
#include "platform/file_system.h"
#include "platform/framework_error.h"
#include "platform/language/translation.h"
#include "platform/text_codec.h"

namespace platform {

namespace {

uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 | static_cast<uint32_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t U16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

void NotABitmap() { throw FrameworkError(Tr("Not a valid bitmap picture")); }

bool PlausibleBitmap(std::span<const uint8_t> file) {
  if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return false;
  const uint32_t infoSize = U32(file, 14);
  if (infoSize < 40 || infoSize > 124) return false;
  const auto width = static_cast<int64_t>(static_cast<int32_t>(U32(file, 18)));
  const auto height = static_cast<int64_t>(static_cast<int32_t>(U32(file, 22)));
  const uint16_t bits = U16(file, 28);
  const uint32_t compression = U32(file, 30);
  const uint32_t offset = U32(file, 10);
  if (width <= 0 || width > 16384 || height == 0 || height < -16384 || height > 16384) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (compression != 0 && compression != 3) return false;
  if (offset > file.size()) return false;
  const int64_t rowBytes = (width * bits + 31) / 32 * 4;
  return rowBytes * (height < 0 ? -height : height) <= static_cast<int64_t>(file.size() - offset);
}

std::optional<BitmapHeader> ReadBitmapHeader(std::span<const uint8_t> file) {
  // 14 bytes of file header, then the info header's size, width and height.
  if (file.size() < 26) return std::nullopt;
  return BitmapHeader{U32(file, 2), static_cast<int32_t>(U32(file, 18)), static_cast<int32_t>(U32(file, 22))};
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadPlainFile(path);
  if (!bytes) throw FrameworkError(Format(Tr("File %s cannot be opened"), Utf8ToCp932(path)));
  return std::vector<uint8_t>(bytes->begin(), bytes->end());
}

void DrawPicture(Surface& surface, const Picture& picture, int32_t width, int32_t height) {
  int32_t x = 0;
  int32_t y = 0;
  Rect src{0, 0, width, height};
  if (!ClipCopy(x, y, src, {0, 0, picture.width, picture.height}, surface.Bounds())) return;
  const PixelFormat format = surface.Format();
  for (int32_t row = src.top; row < src.bottom; ++row) {
    uint16_t* out = surface.Row(y + row - src.top) + x;
    const Rgb* in = picture.pixels.data() + static_cast<size_t>(row) * picture.width + src.left;
    for (int32_t i = 0; i < src.Width(); ++i) out[i] = PackColor(format, in[i]);
  }
}

}  // namespace platform
