#include <string>

#include "game/varnix.h"

namespace game {

namespace {

// Numbers of different lengths stay roughly centred over the same place.
int32_t CentredX(int32_t value) {
  if (value >= 1000) return 51;
  if (value >= 100) return 57;
  if (value >= 10) return 60;
  return 65;
}

}  // namespace

void TVarnix::DrawHud() {
  PutText(CentredX(State.ElapsedTicks), 80, std::to_string(State.ElapsedTicks), 15, 15, 15, 198, 198, 50);
  const std::string points = std::to_string(State.Points);
  const int32_t pointsX = CentredX(State.Points);
  // Red while points are being spent: hints held in play, or a press held on
  // a cell of the board.
  if (State.HintHeld != 0 && State.Playing != 0) {
    PutText(pointsX, 125, points, 235, 10, 10, 198, 198, 50);
  } else {
    PutText(pointsX, 125, points, 15, 15, 15, 198, 198, 50);
  }
  const bool onBoard = State.PressedX >= State.BoardFirst && State.PressedX < State.BoardEnd &&
                       State.PressedY >= State.BoardFirst && State.PressedY < State.BoardEnd;
  if (State.CellPressed != 0 && onBoard) PutText(pointsX, 125, points, 235, 10, 10, 198, 198, 50);
  if (State.HintHeld != 0) BltKeyed(86, 197, SpriteSheet(), 40, 20, 51, 56);
}

}  // namespace game
