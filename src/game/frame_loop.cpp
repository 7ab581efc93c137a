#include "game/board_rules.h"
#include "game/varnix.h"
#include "platform/application.h"
#include "platform/clock.h"

namespace game {

void TVarnix::IdleStep(bool& done) {
  CheckFocus();
  if (Window.DisplayLive != 0 && App().Active()) {
    if (Window.DragPressed != 0 && Window.FullScreen == 0) {
      // While the window is dragged no frame is drawn or stepped.
      DragStep();
    } else {
      State.CursorPos = PicturePoint(ScreenToClient(Windows().CursorPos()));
      FrameStep();
      DrawStripButton();
      if (State.MenuState == 3) DrawMenu();
      Present();
    }
  }
  App().Platform().clock.Sleep(50);
  done = false;
}

platform::Point TVarnix::PicturePoint(platform::Point client) const {
  // Full screen the pointer already comes in the picture's pixels.
  if (Window.FullScreen != 0 || Window.Scale == 1) return client;
  auto floorDiv = [](int32_t v, int32_t d) { return v >= 0 ? v / d : -((-v + d - 1) / d); };
  return {floorDiv(client.x, Window.Scale), floorDiv(client.y, Window.Scale)};
}

void TVarnix::FrameStep() {
  DrawBackdrop();
  if (State.Playing != 0 || State.ShowingResult != 0) {
    DrawCells();
    DrawHud();
  }
  if (State.Playing != 0) {
    // Every sub-step runs even when an earlier one ends the board.
    DrawHover();
    CountNeighbours(State);
    if (State.HintHeld != 0) {
      DrawHints();
      // Tested before it is counted: the first hint point goes on the fourth
      // frame of holding, then on every third.
      if (State.HintFrames > 2) {
        --State.Points;
        State.HintFrames = 0;
      }
      ++State.HintFrames;
    }
    if (State.MenuState == 0) {
      DrainPoints(State, State.PressedX, State.PressedY);
      ++State.TickFrames;
      if (State.TickFrames > 9) {
        ++State.ElapsedTicks;
        State.TickFrames = 0;
      }
      if (State.ElapsedTicks > 999) {
        State.Cleared = 0;
        State.Playing = 0;
        State.ShowingResult = 1;
      }
    }
    if (State.Points <= 0) {
      State.Cleared = 0;
      State.Playing = 0;
      State.ShowingResult = 1;
    }
    return;
  }
  if (State.ShowingResult == 0) DrawTitleScreen();
  if (State.ShowingResult != 0) DrawResultScreen();
}

}  // namespace game
