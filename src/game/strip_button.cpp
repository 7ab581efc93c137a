#include "game/varnix.h"

namespace game {

// The picture stays from the press to the release of the button.
void TVarnix::DrawStripButton() {
  if (Window.StripButton == 1) BltOpaque(555, 5, EffectSheet(), 75, 0, 96, 18);
  if (Window.StripButton == 2) BltOpaque(580, 5, EffectSheet(), 100, 0, 121, 18);
  if (Window.StripButton == 3) BltOpaque(605, 5, EffectSheet(), 125, 0, 153, 18);
}

}  // namespace game
