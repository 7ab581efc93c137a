#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/bitmap/bitmap_file.h"
#include "platform/framework_error.h"

// Arbitrary bytes as a sheet file: read the header, decode, and copy the
// header's size onto a sheet, as loading a sheet does.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  static platform::Surface sheet(100, 100, platform::PixelFormat::Rgb565());
  try {
    const platform::Picture picture = platform::DecodeBitmap(file);
    const auto header = platform::ReadBitmapHeader(file);
    if (!header) std::abort();
    const int32_t height = header->biHeight == INT32_MIN ? 0 : std::abs(header->biHeight);
    platform::DrawPicture(sheet, picture, header->biWidth, height);
  } catch (const platform::FrameworkError&) {
  }
  return 0;
}
