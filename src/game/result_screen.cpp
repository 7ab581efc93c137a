#include <string>

#include "game/high_score.h"
#include "game/varnix.h"

namespace game {

void TVarnix::DrawResultScreen() {
  static const std::string timeBonus = "TIME BONUS >> ";
  static const std::string totalScore = "TOTAL SCORE >> ";
  static const std::string point = "point";
  static const std::string none = "NONE";

  DarkenRect(200, 160, 260, 180, 7);
  BlendFrom(305, 315, EffectSheet(), 305, 20, 355, 40, 2);
  // A failed board shows no numbers and keeps every high score.
  if (State.Cleared == 0) {
    BlendKeyedFrom(230, 170, EffectSheet(), 360, 35, 560, 70, 0, 0, 0, 2);
    return;
  }
  BlendKeyedFrom(230, 170, EffectSheet(), 360, 0, 560, 35, 0, 0, 0, 2);
  PutTextKeyed(230, 225, timeBonus, 190, 190, 190);
  PutTextKeyed(220, 260, totalScore, 190, 190, 190);
  PutTextKeyed(395, 225, point, 255, 255, 255);
  PutTextKeyed(395, 260, point, 255, 255, 255);

  const std::optional<ResultScore> score = ScoreResult(State);
  if (!score) return;
  if (score->HasBonus) {
    PutTextKeyed(354, 225, std::to_string(score->TimeBonus), 35, 255, 35);
  } else if (State.SizeIndex == 0) {
    PutTextKeyed(354, 225, none, 250, 75, 75);
  } else {
    PutTextKeyed(354, 225, none, 200, 100, 50);
  }
  PutTextKeyed(354, 260, std::to_string(score->Total), 35, 255, 35);
  // Every frame of the screen computes the same total, so only the first can
  // raise the high score.
  KeepHighScore(State, *score);
}

}  // namespace game
