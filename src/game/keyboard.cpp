#include <algorithm>
#include <cstdint>

#include "game/board_rules.h"
#include "game/varnix.h"

namespace game {

namespace {
constexpr uint16_t kKeyH = 'H';
constexpr uint16_t kKeyM = 'M';
bool Chooses(uint16_t key) { return key == platform::kKeyReturn || key == platform::kKeySpace; }
}  // namespace

// Every screen can be played from the keyboard beside the mouse: the keys do
// what the pointer's presses there would.
void TVarnix::FormKeyDown(uint16_t& Key, platform::ShiftState) {
  if (Key == platform::kKeyEscape) {
    ReleaseDisplay();
    SaveAndQuit();
    return;
  }
  if (State.Playing == 0) {
    if (State.ShowingResult != 0) {
      if (Chooses(Key)) State.ShowingResult = 0;
      return;
    }
    // The size comes from select_game.log and may be any int32: step it in
    // wide arithmetic, so the extremes clamp instead of wrapping.
    const int64_t step = Key == platform::kKeyLeft ? -1 : Key == platform::kKeyRight ? 1 : 0;
    if (step != 0) State.SizeIndex = static_cast<int32_t>(std::clamp<int64_t>(State.SizeIndex + step, 0, 3));
    if (Chooses(Key)) State.StartRequested = 1;
    return;
  }
  if (Key == kKeyM) {
    State.MenuState = State.MenuState == 0 ? 3 : 0;
    State.Keys.MenuItem = -1;
    return;
  }
  if (State.MenuState != 0) {
    int32_t& item = State.Keys.MenuItem;
    if (Key == platform::kKeyDown) item = item < 0 ? 0 : std::min(item + 1, 2);
    if (Key == platform::kKeyUp) item = item < 0 ? 2 : std::max(item - 1, 0);
    if (Key == platform::kKeyReturn && item == 0) StartOver();
    if (Key == platform::kKeyReturn && item == 1) GiveUp();
    if (Key == platform::kKeyReturn && item == 2) SaveAndQuit();
    return;
  }
  if (Key == kKeyH) State.HintHeld = 1;
  const int32_t dx = Key == platform::kKeyLeft ? -1 : Key == platform::kKeyRight ? 1 : 0;
  const int32_t dy = Key == platform::kKeyUp ? -1 : Key == platform::kKeyDown ? 1 : 0;
  if (dx != 0 || dy != 0) {
    // Leaving the pressed cell ends its press, as the pointer's leaving does.
    if (State.Keys.Pressing) EndCellPress();
    MoveKeyCursor(State, dx, dy);
  }
  // A key held down repeats; the cell is pressed once until its release.
  if (Chooses(Key) && !State.Keys.Pressing) {
    State.Keys.Shown = true;
    State.Keys.Pressing = true;
    ToggleCell(130 + 20 * State.Keys.Column, 50 + 20 * State.Keys.Row);
  }
}

void TVarnix::FormKeyUp(uint16_t& Key, platform::ShiftState) {
  if (Key == kKeyH) State.HintHeld = 0;
  if (Chooses(Key) && State.Keys.Pressing) EndCellPress();
}

}  // namespace game
