#pragma once

namespace game {

// What the game form asks of its companion dialog, which stands in for the
// game while it is away, keeps the state files and ends the program.
class Companion {
 public:
  virtual ~Companion() = default;
  // Shows the focus-lost panel. Shown because another window took the
  // activation, it leaves the activation there.
  virtual void ShowPanel(bool takeActivation) = 0;
  virtual void HidePanel() = 0;
  virtual void WriteStateFiles() = 0;
  virtual void FreeStateLists() = 0;
  // Closing the main window ends the program.
  virtual void CloseDialog() = 0;
};

}  // namespace game
