#include "game/high_score.h"

#include "game/size_table.h"

namespace game {

std::optional<ResultScore> ScoreResult(const GameState& state) {
  if (state.Cleared == 0 || !ValidSizeIndex(state.SizeIndex)) return std::nullopt;
  const int32_t BonusBase[4] = {200, 500, 1000, 2000};
  const int32_t half = BonusBase[state.SizeIndex] / 2;
  // Two points off the bonus for every tick; none at all from half the base on.
  if (state.ElapsedTicks < half) {
    const int32_t bonus = 2 * (half - state.ElapsedTicks);
    return ResultScore{true, bonus, bonus + state.Points};
  }
  return ResultScore{false, 0, state.Points};
}

void KeepHighScore(GameState& state, const ResultScore& score) {
  if (!ValidSizeIndex(state.SizeIndex)) return;
  // An equal total leaves the stored one.
  if (score.Total > state.HighScore[state.SizeIndex]) state.HighScore[state.SizeIndex] = score.Total;
}

}  // namespace game
