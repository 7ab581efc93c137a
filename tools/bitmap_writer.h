#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/draw/color.h"

// A bottom-up Windows bitmap of `bits` per pixel with its two headers filled
// in, room for `colours` palette entries after them, and blank rows.
inline std::vector<uint8_t> BlankBitmap(int32_t width, int32_t height, uint16_t bits, uint32_t colours) {
  const int32_t rowBytes = (width * bits + 31) / 32 * 4;
  const uint32_t offset = 14 + 40 + colours * 4;
  const uint32_t size = offset + static_cast<uint32_t>(rowBytes) * height;
  std::vector<uint8_t> b(size, 0);
  auto put32 = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, offset);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = static_cast<uint8_t>(bits);
  put32(34, static_cast<uint32_t>(rowBytes) * height);
  put32(46, colours);
  return b;
}

// Writes a 24-bit bottom-up Windows bitmap whose pixel (x, y) is colour(x, y).
inline void WriteBitmap(const std::filesystem::path& path, int32_t width, int32_t height,
                        const std::function<platform::Rgb(int32_t, int32_t)>& colour) {
  const int32_t rowBytes = (width * 3 + 3) / 4 * 4;
  std::vector<uint8_t> b = BlankBitmap(width, height, 24, 0);
  const auto size = static_cast<uint32_t>(b.size());
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = b.data() + 54 + static_cast<size_t>(height - 1 - y) * rowBytes;
    for (int32_t x = 0; x < width; ++x) {
      const platform::Rgb c = colour(x, y);
      row[3 * x] = c.b;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.r;
    }
  }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(size));
}
