#include <string>

#include "game/varnix.h"
#include "platform/language/translation.h"

namespace game {

namespace {

struct MenuItem {
  const std::string& Text;
  int32_t Y;
  // The hover region's x range, narrower than the click region's.
  int32_t HoverLeft;
  int32_t HoverRight;
};

}  // namespace

void TVarnix::DrawMenu() {
  // TRANSLATORS: each item is 24 bytes in the game's CP932, padded with
  // spaces, so its hover and click regions fit it.
  const MenuItem items[3] = {
      {platform::Tr("<<     Start over     >>"), 210, 227, 432},
      {platform::Tr("<<      Give up       >>"), 245, 235, 424},
      {platform::Tr("<<   Quit the game    >>"), 280, 235, 424},
  };
  BltOpaque(560, 35, EffectSheet(), 0, 70, 70, 96);
  DarkenRect(200, 160, 260, 160, 7);
  BltOpaque(415, 165, EffectSheet(), 305, 0, 325, 20);
  BltOpaque(250, 165, EffectSheet(), 160, 40, 300, 60);
  for (const MenuItem& item : items) PutText(227, item.Y, item.Text, 255, 255, 255, 0, 0, 0);
  const platform::Point p = State.CursorPos;
  for (int i = 0; i < 3; ++i) {
    const MenuItem& item = items[i];
    const bool hovered = p.x >= item.HoverLeft && p.x <= item.HoverRight && p.y >= item.Y && p.y <= item.Y + 15;
    if (hovered || State.Keys.MenuItem == i) {
      PutText(227, item.Y, item.Text, 0, 0, 0, 255, 255, 255);
    }
  }
}

}  // namespace game
