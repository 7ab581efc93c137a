#pragma once

#include <memory>
#include <string>

#include "game/companion.h"
#include "platform/bitmap/bitmap_file.h"
#include "platform/draw/surface.h"
#include "platform/form.h"
#include "platform/text/font.h"
#include "platform/widgets/button.h"
#include "platform/widgets/label.h"
#include "platform/widgets/picture.h"
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
  ~TSatellite() override;

  void SetGame(game::TVarnix* game) { Game = game; }

  void FormShow() override;
  void FormMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormMouseMove(platform::ShiftState Shift, int32_t X, int32_t Y) override;
  // Tab and Shift+Tab move the focus; Enter and Space press the focused button.
  void FormKeyDown(uint16_t& Key, platform::ShiftState Shift) override;
  // Closed by the window system: the start dialog cancels, the panel quits
  // the game with its state saved.
  void FormCloseRequest() override;

  void Button_OkClick();
  void Button_CancelClick();
  void Button_ReturnClick();

  void ReadStateFiles();
  void WriteStateFiles() override;
  // Each size's best total becomes the better of the game's and the one in
  // score.log now, which another copy of the game may have saved.
  void TakeBetterSavedRecords();
  void FormStateSaved() override { TakeBetterSavedRecords(); }
  void FreeStateLists() override;
  void ShowPanel(bool takeActivation) override {
    if (takeActivation) Show();
    else ShowInactive();
  }
  void HidePanel() override { Hide(); }
  void CloseDialog() override { Close(); }

  // The focus-lost layout replaces the start layout for good.
  bool PanelLayout() const { return panelLayout_; }

  // Draws the client area and shows it in the window, if it is visible.
  void Repaint();
  // The client area as last drawn.
  const platform::Surface& ClientSurface() const { return *client_; }

  platform::PictureBox Image_2;
  platform::PictureBox Image_1;
  platform::Label Label_1;
  platform::Label Label_2;
  platform::Label Label_3;
  platform::Button Button_Return;
  platform::Button Button_Ok;
  platform::Button Button_Cancel;

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
  // The buttons in tab order.
  platform::Button* TabButton(int index);
  void ClickButton(int index);
  void MoveFocus(int step);
  void SetFocus(int index);

  // The button under the last left press, to be clicked if released on it.
  int pressedButton_ = -1;
  int focusedButton_ = 0;
  platform::Rgb Color{0, 0, 0};
  platform::Picture startPicture_;
  platform::Picture panelPicture_;
  std::unique_ptr<platform::Font> dialogFont_;
  std::unique_ptr<platform::Font> titleFont_;
  std::unique_ptr<platform::Surface> client_;
};

}  // namespace shell
