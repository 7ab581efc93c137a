#include "platform/sdl/sdl_message_boxes.h"

#include <SDL.h>

#include <cstdio>

#include "platform/text_codec.h"

namespace platform::sdl {

void SdlMessageBoxes::ShowError(const std::string& caption, const std::string& text) {
  const std::string title = Cp932ToUtf8(caption);
  const std::string message = Cp932ToUtf8(text);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr) == 0) return;
  std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
}

}  // namespace platform::sdl
