#include <algorithm>

#include "game/varnix.h"

namespace game {

platform::Rect TVarnix::TiledBoard() const {
  if (State.Playing == 0 && State.ShowingResult == 0) return {};
  const platform::Surface* sprites = SpriteSheet();
  if (sprites == nullptr || sprites->IsLost()) return {};
  const int32_t first = State.BoardFirst;
  const int32_t end = std::min(State.BoardEnd, 20);
  if (first < 0 || end <= first) return {};
  // A lit cell and a count of 0 to 4 get a tile (on the result screen a
  // hidden cell too), and nothing else does.
  for (int32_t c = first; c < end; ++c) {
    for (int32_t r = first; r < end; ++r) {
      const TCell& cell = State.Board[c][r];
      if (cell.On == 0 && (cell.LitNeighbours < 0 || cell.LitNeighbours > 4)) return {};
    }
  }
  return {130 + 20 * first, 50 + 20 * first, 130 + 20 * end, 50 + 20 * end};
}

void TVarnix::DrawBackdrop() {
  // The board's tiles are drawn over their square whole right after, so the
  // backdrop leaves that square out: the frame is the same, for a copy less.
  const platform::Rect board = TiledBoard();
  if (board.Width() <= 0) {
    BltOpaque(0, 0, BackSheet(), 0, 0, 640, 480);
    return;
  }
  BltOpaque(0, 0, BackSheet(), 0, 0, 640, board.top);
  BltOpaque(0, board.top, BackSheet(), 0, board.top, board.left, board.bottom);
  BltOpaque(board.right, board.top, BackSheet(), board.right, board.top, 640, board.bottom);
  BltOpaque(0, board.bottom, BackSheet(), 0, board.bottom, 640, 480);
}

}  // namespace game
