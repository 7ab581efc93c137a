#pragma once

#include <cstdint>

#include "game/game_state.h"
#include "game/random.h"

namespace game {

// Makes a new board of the chosen size and enters the play phase.
void StartBoard(GameState& state, Random& random);
// Flips the cell under client position (X, Y) of the field; the caller plays
// its sound.
void ToggleCell(GameState& state, int32_t X, int32_t Y);
// The keyboard's cursor steps by one cell and stops at the board's edges.
void MoveKeyCursor(GameState& state, int32_t dx, int32_t dy);
// Recounts what every cell of the board shows and tests for a solved board.
void CountNeighbours(GameState& state);
// The once-per-press penalty and the drain of one point per 50 frames.
void DrainPoints(GameState& state, int32_t column, int32_t row);

}  // namespace game
