#pragma once

#include <cstdint>
#include <optional>

#include "game/game_state.h"

namespace game {

// What a solved board scores: the time bonus, if any is left, and the total.
struct ResultScore {
  bool HasBonus = false;
  int32_t TimeBonus = 0;
  int32_t Total = 0;
};

// The score of the board that ended; nothing for a failed board or a size
// outside the table.
std::optional<ResultScore> ScoreResult(const GameState& state);
// Raises the high score of the board's size when the total beats it.
void KeepHighScore(GameState& state, const ResultScore& score);

}  // namespace game
