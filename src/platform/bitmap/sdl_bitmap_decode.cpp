#include <SDL.h>

#include <memory>

#include "platform/bitmap/bitmap_file.h"

namespace platform {

Picture DecodeBitmap(std::span<const uint8_t> file) {
  if (!PlausibleBitmap(file)) NotABitmap();
  SDL_RWops* rw = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (rw == nullptr) NotABitmap();
  std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> loaded(SDL_LoadBMP_RW(rw, 1), &SDL_FreeSurface);
  if (!loaded) NotABitmap();
  std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> rgb(
      SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0), &SDL_FreeSurface);
  if (!rgb) NotABitmap();

  Picture picture;
  picture.width = rgb->w;
  picture.height = rgb->h;
  picture.pixels.resize(static_cast<size_t>(rgb->w) * rgb->h);
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
    for (int x = 0; x < rgb->w; ++x) {
      const uint32_t p = row[x];
      picture.pixels[static_cast<size_t>(y) * rgb->w + x] = {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                                                            static_cast<uint8_t>(p)};
    }
  }
  return picture;
}

}  // namespace platform
