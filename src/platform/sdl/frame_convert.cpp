#include "platform/sdl/frame_convert.h"

#include <SDL.h>

#include "platform/draw/surface.h"
#include "platform/present/rgb565.h"

namespace platform::sdl {

std::vector<uint32_t> BuildTable565(uint32_t sdlFormat) {
  SDL_PixelFormat* layout = SDL_AllocFormat(sdlFormat);
  if (layout == nullptr) return {};
  std::vector<uint32_t> table(65536);
  for (uint32_t v = 0; v < 65536; ++v) {
    const Rgb c = Expand565(static_cast<uint16_t>(v));
    table[v] = SDL_MapRGBA(layout, c.r, c.g, c.b, 0xFF);
  }
  SDL_FreeFormat(layout);
  return table;
}

void ConvertByTable(const std::vector<uint32_t>& table, const Surface& frame, const Rect& source, void* out,
                    int32_t outPitch) {
  const uint32_t* lookup = table.data();
  const int32_t width = source.Width();
  for (int32_t y = 0; y < source.Height(); ++y) {
    const uint16_t* in = frame.Row(source.top + y) + source.left;
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out) + static_cast<ptrdiff_t>(y) * outPitch);
    for (int32_t x = 0; x < width; ++x) row[x] = lookup[in[x]];
  }
}

bool ConvertBySdl(const Surface& frame, const Rect& source, uint32_t sdlFormat, void* out, int32_t outPitch) {
  return SDL_ConvertPixels(source.Width(), source.Height(), SDL_PIXELFORMAT_RGB565,
                           frame.Row(source.top) + source.left, frame.PitchPixels() * 2, sdlFormat, out,
                           outPitch) == 0;
}

}  // namespace platform::sdl
