#include "game/varnix.h"

namespace game {

void TVarnix::DrawHover() {
  // The keyboard's cursor is drawn as the pointer's hover is, in its place.
  const platform::Point p = State.Keys.Shown ? platform::Point{130 + 20 * State.Keys.Column, 50 + 20 * State.Keys.Row}
                                             : State.CursorPos;
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
