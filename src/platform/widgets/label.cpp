#include "platform/widgets/label.h"

namespace platform {

void Label::Draw(Surface& surface, Rgb back) const {
  if (!visible || font == nullptr) return;
  font->Draw(surface, left, top, text, textColor, back);
}

}  // namespace platform
