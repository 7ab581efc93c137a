#include "platform/headless/headless_message_boxes.h"

namespace platform::headless {

void HeadlessMessageBoxes::ShowError(WindowId owner, const std::string& caption, const std::string& text) {
  Box record{caption, text, owner};
  if (showBoxes_) {
    if (!font_) font_ = ErrorBoxFont(windows_.Scale());
    ErrorBox box = MakeErrorBox(text, *font_, ErrorIcon(), windows_.ScreenSize(), windows_.Scale());
    const BoxRun run = RunErrorBox(windows_, events_, video_, owner, caption, box);
    record.window = run.window;
    record.end = run.end;
  }
  boxes_.push_back(std::move(record));
}

}  // namespace platform::headless
