#include "game/varnix.h"
#include "platform/window.h"

namespace game {

// Brings the game back after the player returned and gives the screen up when
// the program loses the activation; filled with the window management.
void TVarnix::CheckFocus() {}

// Moves the window with the pointer within the screen; filled with the window
// management.
void TVarnix::DragStep() {}

// Gives the screen up to the companion panel; filled with the window management.
void TVarnix::MinimiseGame() {}

// Switches between full screen and windowed; filled with the window management.
void TVarnix::ToggleFullScreen() {}

void TVarnix::SaveAndQuit() {
  ReleaseDisplay();
  Windows().InvalidateAll();
  if (Satellite != nullptr) {
    Satellite->WriteStateFiles();
    Satellite->FreeStateLists();
    Satellite->CloseDialog();
  }
}

}  // namespace game
