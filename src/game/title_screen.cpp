#include <string>

#include "game/board_rules.h"
#include "game/size_table.h"
#include "game/varnix.h"
#include "platform/language/translation.h"

namespace game {

namespace {

void DrawTitlePanel(TVarnix& game) {
  const std::string& heading = platform::Tr("[ Choose a size ]");
  static const std::string highScore = "HIGH SCORE >> ";
  const int32_t labelX[4] = {235, 270, 325, 380};
  const GameState& state = game.State;

  game.DarkenRect(200, 160, 260, 180, 7);
  game.BltOpaque(260, 165, game.EffectSheet(), 160, 60, 300, 80);
  game.BltOpaque(305, 315, game.EffectSheet(), 305, 40, 355, 60);
  game.PutText(252, 200, heading, 255, 100, 100, 10, 10, 10);
  game.PutText(255, 260, highScore, 255, 255, 50, 10, 10, 10);
  // A selection outside the table highlights no label and shows no score.
  for (int32_t size = 0; size < 4; ++size) {
    const std::string label = SizeTable[size].Label;
    if (size == state.SizeIndex) {
      game.PutText(labelX[size], 225, label, 0, 0, 0, 255, 255, 255);
      game.PutText(380, 260, std::to_string(state.HighScore[size]), 255, 255, 255, 10, 10, 10);
    } else {
      game.PutText(labelX[size], 225, label, 255, 255, 255, 0, 0, 0);
    }
  }
}

}  // namespace

void TVarnix::DrawTitleScreen() {
  if (State.SkipTitleDraw == 0) DrawTitlePanel(*this);
  // A new board always starts with its frame counters at 0.
  State.TickFrames = 0;
  State.DrainFrames = 0;
  State.HintFrames = 0;
  if (State.StartRequested != 0) StartBoard(State, Rng);
}

}  // namespace game
