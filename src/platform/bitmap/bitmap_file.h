#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/draw/color.h"
#include "platform/draw/surface.h"

namespace platform {

// The three header fields the game reads of a bitmap file.
struct BitmapHeader {
  uint32_t bfSize = 0;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
};

// The fields, when the bytes are long enough to hold both headers.
std::optional<BitmapHeader> ReadBitmapHeader(std::span<const uint8_t> file);

// A decoded picture, top row first.
struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<Rgb> pixels;
};

// The whole file; a file that cannot be read raises "ﾌｧｲﾙ %s は開けません"
// with the path.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Whether the headers describe a picture that the file can hold. A reader
// sizes its picture from the header before it reads the pixels, so a header
// that lies must be turned away first.
bool PlausibleBitmap(std::span<const uint8_t> file);

// Decodes a BMP in any depth the framework's reader takes; anything else
// raises NotABitmap's error.
Picture DecodeBitmap(std::span<const uint8_t> file);

// The framework's "not a valid bitmap" error, in the player's language.
[[noreturn]] void NotABitmap();

// Copies the top-left width x height of the picture to (0, 0) of the surface,
// one to one, converted to its layout; cut at the picture's and the surface's
// edges. The rest of the surface stays as it was.
void DrawPicture(Surface& surface, const Picture& picture, int32_t width, int32_t height);

}  // namespace platform
