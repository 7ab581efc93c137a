#include "shell/satellite.h"

#include "game/varnix.h"
#include "platform/application.h"
#include "platform/draw/clip.h"
#include "platform/language/lettering.h"
#include "platform/language/translation.h"
#include "platform/text_codec.h"
#include "platform/video.h"
#include "shell/dialog_pictures.h"

namespace shell {

namespace {

// On a scaled desktop every length of the dialog grows by the whole factor:
// its fonts are made at the larger height and its pictures are enlarged.
int32_t ScaleOf(platform::Application& app) { return app.Platform().windows.Scale(); }

platform::WindowDesc DialogDesc(platform::Application& app) {
  const int32_t s = ScaleOf(app);
  return platform::WindowDesc{platform::Tr("Lumora Satellite"), 0, 0, 390 * s, 283 * s, false};
}

platform::LogFont DialogFont(int32_t height, bool bold) {
  platform::LogFont font;
  font.lfHeight = height;
  font.lfWidth = platform::ProportionalHalfWidth(height);
  font.lfWeight = bold ? 700 : 400;
  font.lfCharSet = 128;
  font.lfPitchAndFamily = 2;
  font.lfFaceName = platform::Utf8ToCp932("ＭＳ Ｐゴシック");
  return font;
}

constexpr platform::Rgb kWindowText{0, 0, 0};
constexpr platform::Rgb kOrange{255, 128, 0};
constexpr platform::Rgb kSilver{192, 192, 192};
constexpr int kNoButton = -1;

}  // namespace

TSatellite::TSatellite(platform::Application& app)
    : platform::Form(app, DialogDesc(app)),
      startPicture_(platform::DecodeBitmap(StartPictureBitmap())),
      panelPicture_(platform::DecodeBitmap(PanelPictureBitmap())),
      dialogFont_(platform::Font::Create(DialogFont(12 * ScaleOf(app), false))),
      titleFont_(platform::Font::Create(DialogFont(19 * ScaleOf(app), true))),
      client_(std::make_unique<platform::Surface>(390 * ScaleOf(app), 283 * ScaleOf(app),
                                                  app.Platform().video.DisplayFormat())) {
  const int32_t s = ScaleOf(app);
  auto box = [s](int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return platform::Rect{left * s, top * s, right * s, bottom * s};
  };
  Image_2 = {box(20, 20, 370, 220), &startPicture_, true};
  Image_1 = {box(23, 45, 23 + panelPicture_.width, 45 + panelPicture_.height), &panelPicture_, false};
  Label_1 = {10 * s, 10 * s, platform::Tr("Lumora"), titleFont_.get(), kWindowText, false};
  Label_2 = {24 * s, 107 * s, platform::Tr("The game has"), dialogFont_.get(), kOrange, false};
  Label_3 = {14 * s, 128 * s, platform::Tr("lost the focus"), dialogFont_.get(), kOrange, false};
  Button_Return = {box(10, 154, 135, 184), platform::Tr("Back to the game"), dialogFont_.get(), 12 * s,
                   kWindowText, false};
  Button_Ok = {box(35, 243, 165, 268), platform::Tr("Start the game"), dialogFont_.get(), 12 * s, kWindowText,
               true};
  Button_Cancel = {box(225, 243, 355, 268), platform::Tr("Cancel"), dialogFont_.get(), 12 * s, kWindowText,
                   true};
  Button_Ok.focused = true;
  // Centred at its first showing, on its outer size once the frame is known.
  Windows().CentreOnScreen(Id());
}

TSatellite::~TSatellite() = default;

platform::Button* TSatellite::TabButton(int index) {
  switch (index) {
    case 0:
      return &Button_Ok;
    case 1:
      return &Button_Cancel;
    case 2:
      return &Button_Return;
    default:
      return nullptr;
  }
}

void TSatellite::SetFocus(int index) {
  for (int i = 0; i < 3; ++i) TabButton(i)->focused = i == index;
  focusedButton_ = index;
}

void TSatellite::MoveFocus(int step) {
  // Hidden buttons take no focus; with one button left the focus stays put.
  for (int n = 1; n <= 3; ++n) {
    const int index = ((focusedButton_ + step * n) % 3 + 3) % 3;
    if (TabButton(index)->visible) {
      SetFocus(index);
      return;
    }
  }
}

void TSatellite::ClickButton(int index) {
  if (index == 0) Button_OkClick();
  if (index == 1) Button_CancelClick();
  if (index == 2) Button_ReturnClick();
}

void TSatellite::Repaint() {
  if (!Visible()) return;
  platform::Surface& s = *client_;
  platform::FillRect(s, s.Bounds(), Color);
  Image_2.Draw(s);
  Image_1.Draw(s);
  Label_1.Draw(s, Color);
  Label_2.Draw(s, Color);
  Label_3.Draw(s, Color);
  Button_Return.Draw(s);
  Button_Ok.Draw(s);
  Button_Cancel.Draw(s);
  const platform::Point pos = Windows().Position(Id());
  const platform::Point frame = Windows().ClientOffset(Id());
  const platform::Size size = ClientSize();
  const platform::Rect source = platform::Intersect(s.Bounds(), {0, 0, size.width, size.height});
  const platform::Rect screen{pos.x + frame.x, pos.y + frame.y, pos.x + frame.x + source.Width(),
                              pos.y + frame.y + source.Height()};
  App().Platform().video.ShowFrame(Id(), s, source, screen);
}

void TSatellite::FormShow() {
  // Drawn first, so that the dialog stands whole behind the box of a state
  // file that cannot be read.
  Repaint();
  // Later showings are the focus-lost panel; the state files are read once.
  if (!shownBefore_) {
    shownBefore_ = true;
    ReadStateFiles();
  }
}

void TSatellite::FormMouseDown(platform::MouseButton Button, platform::ShiftState, int32_t X, int32_t Y) {
  if (Button != platform::MouseButton::Left) return;
  pressedButton_ = kNoButton;
  for (int i = 0; i < 3; ++i) {
    platform::Button& button = *TabButton(i);
    if (button.visible && button.Contains(X, Y)) pressedButton_ = i;
  }
  if (pressedButton_ == kNoButton) return;
  // A pressed button takes the focus, as the system's buttons do.
  SetFocus(pressedButton_);
  TabButton(pressedButton_)->pressed = true;
  Repaint();
}

void TSatellite::FormMouseMove(platform::ShiftState, int32_t X, int32_t Y) {
  if (pressedButton_ == kNoButton) return;
  platform::Button& button = *TabButton(pressedButton_);
  const bool over = button.Contains(X, Y);
  if (over == button.pressed) return;
  button.pressed = over;
  Repaint();
}

void TSatellite::FormMouseUp(platform::MouseButton Button, platform::ShiftState, int32_t X, int32_t Y) {
  if (Button != platform::MouseButton::Left || pressedButton_ == kNoButton) return;
  const int pressed = pressedButton_;
  pressedButton_ = kNoButton;
  platform::Button& button = *TabButton(pressed);
  button.pressed = false;
  Repaint();
  if (button.visible && button.Contains(X, Y)) ClickButton(pressed);
}

void TSatellite::FormKeyDown(uint16_t& Key, platform::ShiftState Shift) {
  if (Key == platform::kKeyTab) {
    MoveFocus((Shift & 1) != 0 ? -1 : 1);
    Repaint();
  } else if (Key == platform::kKeyReturn || Key == platform::kKeySpace) {
    if (pressedButton_ == kNoButton && TabButton(focusedButton_)->visible) ClickButton(focusedButton_);
  }
}

void TSatellite::FormCloseRequest() {
  if (!panelLayout_) Button_CancelClick();
  else if (Game != nullptr) Game->SaveAndQuit();
  else Close();
}

void TSatellite::Button_OkClick() {
  if (Game != nullptr) Game->Show();
  Hide();
  Image_2.visible = false;
  Button_Ok.visible = false;
  Button_Cancel.visible = false;
  panelLayout_ = true;
  const int32_t s = Windows().Scale();
  MoveTo(15 * s, 15 * s);
  SetOuterSize(150 * s, 220 * s);
  Color = kSilver;
  Label_1.visible = true;
  Label_2.visible = true;
  Label_3.visible = true;
  Image_1.visible = true;
  Button_Return.visible = true;
  SetFocus(2);
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
