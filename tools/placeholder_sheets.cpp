#include <cstdio>
#include <filesystem>

#include "bitmap_writer.h"

// Plain sheets for the game to stand on until its art is drawn: a backdrop
// with the title strip and the field, and empty keyed sheets.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s IMAGE-folder\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "cannot make %s: %s\n", folder.c_str(), error.message().c_str());
    return 1;
  }
  WriteBitmap(folder / "Back.dat", 640, 480, [](int32_t x, int32_t y) -> platform::Rgb {
    if (y < 28) return {50, 160, 50};
    if (x >= 128 && x < 532 && y >= 48 && y < 452) return {30, 40, 60};
    return {static_cast<uint8_t>(60 + y / 8), static_cast<uint8_t>(80 + y / 6), static_cast<uint8_t>(120 + y / 5)};
  });
  WriteBitmap(folder / "Effect.dat", 640, 200, [](int32_t, int32_t) { return platform::Rgb{0, 0, 0}; });
  WriteBitmap(folder / "Sprite.dat", 100, 100, [](int32_t, int32_t) { return platform::Rgb{0, 0, 0}; });
  return 0;
}
