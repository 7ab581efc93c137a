#include "game/board_rules.h"
#include "game/varnix.h"

namespace game {

namespace {
// The darkened panel, the size labels, the high score and the start button;
// drawn once the screens are built.
void DrawTitlePanel(TVarnix&) {}
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
