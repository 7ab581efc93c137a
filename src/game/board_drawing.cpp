#include "game/varnix.h"

namespace game {

// The cell tiles come from the sprite sheet once the display engine draws.
void TVarnix::DrawCells() {}

// The red or white tint over the cell under the pointer; drawn with the screens.
void TVarnix::DrawHover() {}

// The hint flashes; drawn with the screens, which also draw their random values.
void TVarnix::DrawHints() {}

// The revealed pattern of the result screen; drawn with the screens.
void TVarnix::DrawSolution() {}

}  // namespace game
