#include "platform/error_box/error_box.h"

#include <algorithm>

#include "platform/error_box/wrap.h"

namespace platform {

namespace {

constexpr Rgb kBlack{0, 0, 0};

}  // namespace

ErrorBox MakeErrorBox(std::string_view cp932Text, Font& font, const Picture& icon, Size screen, int32_t scale) {
  const int32_t margin = 16 * scale;
  const int32_t lineHeight = 15 * scale;
  const int32_t textLeft = 64 * scale;
  const int32_t iconSize = 32 * scale;
  ErrorBox box;
  std::vector<std::string> lines = WrapText(cp932Text, 480 * scale, font);
  // The frame, the margins and the button take 140 pixels of the screen.
  const size_t most = static_cast<size_t>(std::max(1, (screen.height - 140 * scale) / lineHeight));
  if (lines.size() > most) lines.resize(most);
  int32_t textWidth = 0;
  for (const std::string& line : lines) textWidth = std::max(textWidth, font.TextWidth(line));
  const int32_t textHeight = static_cast<int32_t>(lines.size()) * lineHeight;
  // A short message sits level with the icon's middle.
  const int32_t textTop = margin + std::max(0, (iconSize - textHeight) / 2);
  for (size_t i = 0; i < lines.size(); ++i) {
    box.lines.push_back(
        {textLeft, textTop + static_cast<int32_t>(i) * lineHeight, std::move(lines[i]), &font, kBlack, true});
  }
  box.icon = {{margin, margin, margin + iconSize, margin + iconSize}, &icon, true};
  const int32_t buttonTop = margin + std::max(iconSize, textHeight) + margin;
  box.client = {std::max(200 * scale, textLeft + textWidth + margin), buttonTop + 35 * scale};
  const int32_t buttonLeft = (box.client.width - 75 * scale) / 2;
  box.ok = {{buttonLeft, buttonTop, buttonLeft + 75 * scale, buttonTop + 23 * scale}, "OK", &font, 12 * scale, kBlack,
            true, false, true};
  return box;
}

void ErrorBox::Draw(Surface& surface) const {
  FillRect(surface, surface.Bounds(), kButtonFace);
  icon.Draw(surface);
  for (const Label& line : lines) line.Draw(surface, kButtonFace);
  ok.Draw(surface);
}

BoxInput HandleBoxEvent(ErrorBox& box, const Event& event) {
  switch (event.type) {
    case EventType::KeyDown:
      // A key held down from before the box opened only repeats here.
      if (event.repeat) return BoxInput::Ignored;
      if (event.key == kKeyReturn || event.key == kKeySpace || event.key == kKeyEscape) return BoxInput::Close;
      return BoxInput::Ignored;
    case EventType::CloseRequest:
      return BoxInput::Close;
    case EventType::MouseDown:
      if (event.button != MouseButton::Left || !box.ok.Contains(event.x, event.y)) return BoxInput::Ignored;
      box.buttonHeld = true;
      box.ok.pressed = true;
      return BoxInput::Redraw;
    case EventType::MouseMove: {
      const bool over = box.buttonHeld && box.ok.Contains(event.x, event.y);
      if (over == box.ok.pressed) return BoxInput::Ignored;
      box.ok.pressed = over;
      return BoxInput::Redraw;
    }
    case EventType::MouseUp: {
      if (event.button != MouseButton::Left || !box.buttonHeld) return BoxInput::Ignored;
      box.buttonHeld = false;
      box.ok.pressed = false;
      return box.ok.Contains(event.x, event.y) ? BoxInput::Close : BoxInput::Redraw;
    }
    case EventType::KeyUp:
    case EventType::Quit:
    case EventType::StateSaved:
      return BoxInput::Ignored;
  }
  return BoxInput::Ignored;
}

}  // namespace platform
