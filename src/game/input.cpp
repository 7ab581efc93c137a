#include "game/varnix.h"

namespace game {

namespace {
// Hit regions are inclusive at both ends.
bool Within(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }
bool Hit(int32_t X, int32_t Y, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
  return Within(X, x0, x1) && Within(Y, y0, y1);
}
}  // namespace

void TVarnix::FormMouseDown(platform::MouseButton Button, platform::ShiftState, int32_t X, int32_t Y) {
  if (Button == platform::MouseButton::Right && State.MenuState == 0 && State.Playing != 0) State.HintHeld = 1;
  if (Button != platform::MouseButton::Left) return;

  if (State.Playing == 0) {
    // On the result screen the start button only leads back to the title.
    if (Hit(X, Y, 305, 354, 315, 334)) {
      if (State.ShowingResult == 0) State.StartRequested = 1;
      if (State.ShowingResult != 0) State.ShowingResult = 0;
    }
    if (State.ShowingResult == 0) {
      if (Hit(X, Y, 235, 261, 225, 239)) State.SizeIndex = 0;
      if (Hit(X, Y, 270, 314, 225, 239)) State.SizeIndex = 1;
      if (Hit(X, Y, 325, 369, 225, 239)) State.SizeIndex = 2;
      if (Hit(X, Y, 380, 424, 225, 239)) State.SizeIndex = 3;
    }
  } else {
    // The whole 20 x 20 field takes presses, whatever the board size.
    if (State.MenuState == 0 && Hit(X, Y, 130, 529, 50, 449)) ToggleCell(X, Y);
    if (State.MenuState == 0) State.HintHeld = 0;
    if (Hit(X, Y, 561, 628, 36, 59)) {
      // The press that opens the menu goes no further, not even to the strip.
      if (State.MenuState == 0) {
        State.MenuState = 3;
        return;
      }
      if (State.MenuState == 3) State.MenuState = 0;
    }
    if (State.MenuState == 3 && Hit(X, Y, 227, 434, 210, 225)) StartOver();
    if (State.MenuState == 3 && Hit(X, Y, 227, 434, 245, 260)) GiveUp();
    if (State.MenuState == 3 && Hit(X, Y, 227, 434, 280, 295)) SaveAndQuit();
    if (State.MenuState != 0 && Hit(X, Y, 415, 435, 165, 185)) State.MenuState = 0;
  }

  if (Hit(X, Y, 6, 549, 6, 20)) Window.DragPressed = 1;
  if (Hit(X, Y, 556, 574, 6, 21)) Window.StripButton = 1;
  if (Hit(X, Y, 581, 599, 6, 21)) Window.StripButton = 2;
  if (Hit(X, Y, 606, 631, 6, 21)) Window.StripButton = 3;
}

void TVarnix::FormMouseUp(platform::MouseButton Button, platform::ShiftState, int32_t, int32_t) {
  if (Button == platform::MouseButton::Right) State.HintHeld = 0;
  if (Button != platform::MouseButton::Left) return;
  if (State.CellPressed != 0) EndCellPress();
  if (Window.DragPressed != 0) {
    Window.DragPressed = 0;
    Window.DragAnchored = 0;
  }
  // A strip button acts wherever the pointer is at the release.
  if (Window.StripButton == 1) {
    Window.StripButton = 0;
    MinimiseGame();
  }
  if (Window.StripButton == 2) {
    Window.StripButton = 0;
    ToggleFullScreen();
  }
  if (Window.StripButton == 3) {
    Window.StripButton = 0;
    SaveAndQuit();
  }
}

void TVarnix::FormMouseMove(platform::ShiftState, int32_t X, int32_t Y) {
  // The pointer takes over from the keyboard's cursor and menu choice.
  State.Keys.Shown = false;
  State.Keys.MenuItem = -1;
  // Truncating division: up to 19 pixels left of or above the field still
  // counts as column or row 0.
  if (State.CellPressed != 0 && ((X - 130) / 20 != State.PressedX || (Y - 50) / 20 != State.PressedY)) EndCellPress();
}

void TVarnix::EndCellPress() {
  State.CellPressed = 0;
  State.PenaltyCharged = 0;
  State.Keys.Pressing = false;
}

void TVarnix::StartOver() {
  State.MenuState = 0;
  State.Playing = 0;
  State.ShowingResult = 0;
  State.StartRequested = 1;
  State.SkipTitleDraw = 1;
}

void TVarnix::GiveUp() {
  State.MenuState = 0;
  State.Cleared = 0;
  State.Playing = 0;
  State.ShowingResult = 1;
}

void TVarnix::FormCloseRequest() { SaveAndQuit(); }

}  // namespace game
