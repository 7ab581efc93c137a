#pragma once

#include <cstdint>

namespace game {

struct TCell {
  uint8_t On = 0;
  uint8_t Hidden = 0;
  uint8_t Match = 0;
  // Lit orthogonal neighbours inside the current board; -1 outside it.
  int32_t LitNeighbours = 0;
};

// Indexed [column][row]; only columns and rows 0..19 are used.
using TBoard = TCell[25][25];

}  // namespace game
