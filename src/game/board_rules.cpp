#include "game/board_rules.h"

#include <algorithm>

#include "game/size_table.h"

namespace game {

void StartBoard(GameState& state, Random& random) {
  // A size outside the table keeps the bounds and points it had.
  if (ValidSizeIndex(state.SizeIndex)) {
    const BoardSize& size = SizeTable[state.SizeIndex];
    state.BoardFirst = size.BoardFirst;
    state.BoardEnd = size.BoardEnd;
    state.Points = size.StartingPoints;
  }
  for (int c = 0; c < 20; ++c) {
    for (int r = 0; r < 20; ++r) {
      TCell& cell = state.Board[c][r];
      cell.On = 0;
      cell.Match = 0;
      cell.Hidden = 0;
      cell.LitNeighbours = -1;
    }
  }
  state.HiddenCount = 0;
  // One value per cell, column by column, so the pattern follows from the
  // generator state alone.
  for (int c = state.BoardFirst; c < state.BoardEnd; ++c) {
    for (int r = state.BoardFirst; r < state.BoardEnd; ++r) {
      if (NextRandom(random) % 3 == 0) {
        state.Board[c][r].Hidden = 1;
        ++state.HiddenCount;
      }
      state.Board[c][r].LitNeighbours = 0;
    }
  }
  // Every board starts the keyboard's cursor on its top-left cell.
  state.Keys.Column = state.BoardFirst;
  state.Keys.Row = state.BoardFirst;
  state.ElapsedTicks = 0;
  state.Playing = 1;
  state.StartRequested = 0;
  state.SkipTitleDraw = 0;
}

void ToggleCell(GameState& state, int32_t X, int32_t Y) {
  state.CellPressed = 1;
  state.HintHeld = 0;
  state.PressedX = (X - 130) / 20;
  state.PressedY = (Y - 50) / 20;
  TCell& cell = state.Board[state.PressedX][state.PressedY];
  cell.On = cell.On != 0 ? 0 : 1;
}

void MoveKeyCursor(GameState& state, int32_t dx, int32_t dy) {
  const int32_t last = state.BoardEnd - 1;
  state.Keys.Column = std::clamp(state.Keys.Column + dx, state.BoardFirst, last);
  state.Keys.Row = std::clamp(state.Keys.Row + dy, state.BoardFirst, last);
  state.Keys.Shown = true;
}

void CountNeighbours(GameState& state) {
  const int32_t first = state.BoardFirst;
  const int32_t end = state.BoardEnd;
  auto inside = [first, end](int32_t c, int32_t r) { return c >= first && c < end && r >= first && r < end; };
  static constexpr int kSteps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

  state.LitCount = 0;
  state.LitHiddenCount = 0;
  for (int32_t c = first; c < end; ++c) {
    for (int32_t r = first; r < end; ++r) {
      int32_t lit = 0;
      int32_t hidden = 0;
      for (const auto& step : kSteps) {
        const int32_t nc = c + step[0];
        const int32_t nr = r + step[1];
        if (!inside(nc, nr)) continue;
        if (state.Board[nc][nr].On != 0) ++lit;
        if (state.Board[nc][nr].Hidden != 0) ++hidden;
      }
      TCell& cell = state.Board[c][r];
      cell.LitNeighbours = lit;
      // With no lit neighbour the tile is the same either way, so Match keeps
      // its earlier value.
      if (lit != 0) cell.Match = hidden == lit ? 1 : 0;
      if (cell.On != 0) {
        ++state.LitCount;
        if (cell.Hidden != 0) ++state.LitHiddenCount;
      }
    }
  }
  if (state.LitHiddenCount == state.HiddenCount && state.LitHiddenCount == state.LitCount) {
    state.Playing = 0;
    state.ShowingResult = 1;
    state.Cleared = 1;
  }
}

void DrainPoints(GameState& state, int32_t column, int32_t row) {
  ++state.DrainFrames;
  const TCell& cell = state.Board[column][row];
  // Charged once per press, and only for switching a cell of the board off.
  if (state.CellPressed != 0 && cell.LitNeighbours != -1 && state.PenaltyCharged == 0 && cell.On == 0) {
    state.Points -= 2;
    state.PenaltyCharged = 1;
  }
  if (state.DrainFrames > 49) {
    --state.Points;
    state.DrainFrames = 0;
  }
  if (state.Points < 0) state.Points = 0;
}

}  // namespace game
