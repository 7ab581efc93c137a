#include "platform/sdl/sdl_message_boxes.h"

#include <SDL.h>

#include <cstdio>

#include "platform/error_box/modal_box.h"
#include "platform/text_codec.h"

namespace platform::sdl {

namespace {

void ShowSdlBox(const std::string& caption, const std::string& text) {
  const std::string title = Cp932ToUtf8(caption);
  const std::string message = Cp932ToUtf8(text);
  std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr);
}

}  // namespace

void SdlMessageBoxes::ShowError(WindowId owner, const std::string& caption, const std::string& text) {
  if (!font_) font_ = ErrorBoxFont(windows_.Scale());
  if (font_->FaceName().empty()) return ShowSdlBox(caption, text);
  try {
    ErrorBox box = MakeErrorBox(text, *font_, ErrorIcon(), windows_.ScreenSize(), windows_.Scale());
    RunErrorBox(windows_, events_, video_, owner, caption, box);
  } catch (const std::exception&) {
    ShowSdlBox(caption, text);
  }
}

}  // namespace platform::sdl
