#include "game/varnix.h"

namespace game {

void TVarnix::DrawCells() {
  // On the result screen DrawSolution puts its own tile on every lit or
  // hidden cell later in the frame, and nothing reads the frame before it.
  const bool solutionFollows = State.Playing == 0 && State.ShowingResult != 0;
  // Row by row of tiles: they do not overlap, so the order changes no pixel,
  // and the frame rows under one row of tiles stay in the cache.
  for (int32_t r = State.BoardFirst; r < State.BoardEnd; ++r) {
    for (int32_t c = State.BoardFirst; c < State.BoardEnd; ++c) {
      const TCell& cell = State.Board[c][r];
      if (solutionFollows && (cell.On != 0 || cell.Hidden != 0)) continue;
      const int32_t x = 130 + 20 * c;
      const int32_t y = 50 + 20 * r;
      if (cell.On != 0) {
        BltOpaque(x, y, SpriteSheet(), 20, 0, 40, 20);
        continue;
      }
      const int32_t n = cell.LitNeighbours;
      if (n == 0) {
        BltOpaque(x, y, SpriteSheet(), 0, 0, 20, 20);
      } else if (n >= 1 && n <= 4) {
        // The matched counts are the second column of tiles.
        const int32_t left = cell.Match != 0 ? 20 : 0;
        BltOpaque(x, y, SpriteSheet(), left, 20 * n, left + 20, 20 * n + 20);
      }
    }
  }
}

void TVarnix::DrawSolution() {
  // Row by row, as DrawCells.
  for (int32_t r = State.BoardFirst; r < State.BoardEnd; ++r) {
    for (int32_t c = State.BoardFirst; c < State.BoardEnd; ++c) {
      const TCell& cell = State.Board[c][r];
      const int32_t x = 130 + 20 * c;
      const int32_t y = 50 + 20 * r;
      if (cell.On != 0 && cell.Hidden == 0) BltOpaque(x, y, SpriteSheet(), 40, 0, 60, 20);
      if (cell.On != 0 && cell.Hidden != 0) BltOpaque(x, y, SpriteSheet(), 60, 0, 80, 20);
      // An unlit plain cell keeps the tile DrawCells gave it.
      if (cell.On == 0 && cell.Hidden != 0) BltOpaque(x, y, SpriteSheet(), 80, 0, 100, 20);
    }
  }
}

}  // namespace game
