#include "game/varnix.h"

namespace game {

void TVarnix::DrawHover() {
  const platform::Point p = State.CursorPos;
  if (State.MenuState != 0 || p.x < 130 || p.x >= 530 || p.y < 50 || p.y >= 450) return;
  const int32_t column = (p.x - 130) / 20;
  const int32_t row = (p.y - 50) / 20;
  // In the field but off a smaller board.
  if (State.Board[column][row].LitNeighbours == -1) return;
  // Red while the button holds the press, white otherwise.
  const int32_t g = State.CellPressed != 0 ? 0 : 31;
  TintRect(130 + 20 * column, 50 + 20 * row, 20, 20, 31, g, g, 4);
}

}  // namespace game
