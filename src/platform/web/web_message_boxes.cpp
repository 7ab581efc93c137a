#include "platform/web/web_message_boxes.h"

#include <cstdio>

#include "platform/error_box/modal_box.h"
#include "platform/text_codec.h"

namespace platform::web {

void WebMessageBoxes::ShowError(WindowId owner, const std::string& caption, const std::string& text) {
  // The console keeps the message too, for whoever looks into the page.
  std::fprintf(stderr, "%s: %s\n", Cp932ToUtf8(caption).c_str(), Cp932ToUtf8(text).c_str());
  if (!font_) font_ = ErrorBoxFont(windows_.Scale());
  ErrorBox box = MakeErrorBox(text, *font_, ErrorIcon(), windows_.ScreenSize(), windows_.Scale());
  RunErrorBox(windows_, events_, video_, owner, caption, box);
}

}  // namespace platform::web
