#include "shell/satellite.h"

#include "game/varnix.h"
#include "platform/application.h"
#include "platform/text_codec.h"

namespace shell {

namespace {

platform::WindowDesc DialogDesc(platform::Application& app) {
  // Centred on the screen at its first showing, frame included.
  const platform::Size screen = app.Platform().windows.ScreenSize();
  const int32_t outerWidth = 390 + 2 * 3;
  const int32_t outerHeight = 283 + 22 + 3;
  return platform::WindowDesc{platform::Utf8ToCp932("サテライト Lumora"), (screen.width - outerWidth) / 2,
                              (screen.height - outerHeight) / 2, 390, 283, false};
}

struct ButtonPlace {
  int32_t left, top, width, height;
  bool Contains(int32_t x, int32_t y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

constexpr ButtonPlace kButtonOk{35, 243, 130, 25};
constexpr ButtonPlace kButtonCancel{225, 243, 130, 25};
constexpr ButtonPlace kButtonReturn{10, 154, 125, 30};

}  // namespace

TSatellite::TSatellite(platform::Application& app) : platform::Form(app, DialogDesc(app)) {}

void TSatellite::FormShow() {
  // Later showings are the focus-lost panel; the state files are read once.
  if (shownBefore_) return;
  shownBefore_ = true;
  ReadStateFiles();
}

void TSatellite::FormMouseDown(platform::MouseButton Button, platform::ShiftState, int32_t X, int32_t Y) {
  if (Button != platform::MouseButton::Left) return;
  pressedButton_ = -1;
  if (!panelLayout_ && kButtonOk.Contains(X, Y)) pressedButton_ = 0;
  if (!panelLayout_ && kButtonCancel.Contains(X, Y)) pressedButton_ = 1;
  if (panelLayout_ && kButtonReturn.Contains(X, Y)) pressedButton_ = 2;
}

void TSatellite::FormMouseUp(platform::MouseButton Button, platform::ShiftState, int32_t X, int32_t Y) {
  if (Button != platform::MouseButton::Left) return;
  const int pressed = pressedButton_;
  pressedButton_ = -1;
  if (pressed == 0 && kButtonOk.Contains(X, Y)) Button_OkClick();
  if (pressed == 1 && kButtonCancel.Contains(X, Y)) Button_CancelClick();
  if (pressed == 2 && kButtonReturn.Contains(X, Y)) Button_ReturnClick();
}

void TSatellite::FormCloseRequest() {
  if (!panelLayout_) Button_CancelClick();
  else if (Game != nullptr) Game->SaveAndQuit();
  else Close();
}

void TSatellite::Button_OkClick() {
  if (Game != nullptr) Game->Show();
  Hide();
  panelLayout_ = true;
  MoveTo(15, 15);
  SetOuterSize(150, 220);
}

void TSatellite::Button_CancelClick() {
  FreeStateLists();
  Close();
}

void TSatellite::Button_ReturnClick() {
  if (Game != nullptr) {
    Game->MoveTo(Game->Window.LastLeft, Game->Window.LastTop);
    Game->SetWindowState(platform::WindowState::Normal);
    Game->Show();
  }
  Hide();
}

void TSatellite::FreeStateLists() {
  WinStateList.Clear();
  SelectGameList.Clear();
  ScoreList.Clear();
  writeWinState_ = false;
  writeSelectGame_ = false;
  writeScore_ = false;
}

}  // namespace shell
