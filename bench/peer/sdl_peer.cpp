// The peer of the whole-program benchmark: the least an SDL2 program does to
// show a 640 x 480 16-bit picture at 20 frames a second, with SDL's default
// renderer. Runs until it is sent SIGTERM or its window is closed.

#include <SDL.h>

#include <cstdint>
#include <vector>

int main(int, char**) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("peer", 150, 100, 640, 480, 0);
  SDL_Renderer* renderer = window != nullptr ? SDL_CreateRenderer(window, -1, 0) : nullptr;
  SDL_Texture* texture = renderer != nullptr ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565,
                                                                 SDL_TEXTUREACCESS_STREAMING, 640, 480)
                                             : nullptr;
  if (texture == nullptr) return 1;
  std::vector<uint16_t> frame(640 * 480);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) frame[y * 640 + x] = static_cast<uint16_t>(((x / 20) << 11) | ((y / 8) << 5) | 9);
  for (;;) {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
      if (event.type == SDL_QUIT) return 0;
    }
    SDL_UpdateTexture(texture, nullptr, frame.data(), 640 * 2);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
    SDL_Delay(50);
  }
}
