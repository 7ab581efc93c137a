#include "game/varnix.h"

namespace game {

// The clock, the points and the hint icon; drawn once the screens are built.
void TVarnix::DrawHud() {}

// The in-game menu overlay with its hover highlight; drawn with the screens.
void TVarnix::DrawMenu() {}

// The pressed look of the title-strip button being held; drawn with the screens.
void TVarnix::DrawStripButton() {}

}  // namespace game
