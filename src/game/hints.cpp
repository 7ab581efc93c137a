#include "game/varnix.h"

namespace game {

void TVarnix::DrawHints() {
  for (int32_t c = State.BoardFirst; c < State.BoardEnd; ++c) {
    for (int32_t r = State.BoardFirst; r < State.BoardEnd; ++r) {
      // One value per cell, lit or not, so holding always moves the generator
      // by the board's cell count.
      const int32_t value = NextRandom(Rng);
      if (value % 50 != 0) continue;
      const TCell& cell = State.Board[c][r];
      const int32_t x = 130 + 20 * c;
      const int32_t y = 50 + 20 * r;
      if (cell.On != 0 && cell.Hidden == 0) BltOpaque(x, y, SpriteSheet(), 40, 0, 60, 20);
      if (cell.On != 0 && cell.Hidden != 0) BltOpaque(x, y, SpriteSheet(), 60, 0, 80, 20);
    }
  }
}

}  // namespace game
