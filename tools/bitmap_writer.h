#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/draw/color.h"

// Writes a 24-bit bottom-up Windows bitmap whose pixel (x, y) is colour(x, y).
inline void WriteBitmap(const std::filesystem::path& path, int32_t width, int32_t height,
                        const std::function<platform::Rgb(int32_t, int32_t)>& colour) {
  const int32_t rowBytes = (width * 3 + 3) / 4 * 4;
  const uint32_t size = 54 + static_cast<uint32_t>(rowBytes) * height;
  std::vector<uint8_t> b(size, 0);
  auto put32 = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  put32(34, static_cast<uint32_t>(rowBytes) * height);
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
