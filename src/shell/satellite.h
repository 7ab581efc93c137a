#pragma once

#include <string>

#include "game/companion.h"
#include "platform/form.h"
#include "shell/string_list.h"

namespace game {
class TVarnix;
}

namespace shell {

// The companion dialog and main window: the start dialog at first, then the
// focus-lost panel that stands in for the game while it is away.
class TSatellite : public platform::Form, public game::Companion {
 public:
  explicit TSatellite(platform::Application& app);

  void SetGame(game::TVarnix* game) { Game = game; }

  void FormShow() override;
  void FormMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  // Closed by the window system: the start dialog cancels, the panel quits
  // the game with its state saved.
  void FormCloseRequest() override;

  void Button_OkClick();
  void Button_CancelClick();
  void Button_ReturnClick();

  void ReadStateFiles();
  void WriteStateFiles() override;
  void FreeStateLists() override;
  void ShowPanel() override { Show(); }
  void HidePanel() override { Hide(); }
  void CloseDialog() override { Close(); }

  // The focus-lost layout replaces the start layout for good.
  bool PanelLayout() const { return panelLayout_; }

  StringList WinStateList;
  StringList SelectGameList;
  StringList ScoreList;

 private:
  // Whether each list goes back to its file at quit: only files that were
  // read, or found missing, are written, so nothing unread is overwritten.
  bool writeWinState_ = false;
  bool writeSelectGame_ = false;
  bool writeScore_ = false;
  game::TVarnix* Game = nullptr;
  bool panelLayout_ = false;
  bool shownBefore_ = false;
  // The button under the last left press, to be clicked if released on it.
  int pressedButton_ = -1;
};

}  // namespace shell
