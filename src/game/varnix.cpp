#include "game/varnix.h"

#include "game/board_rules.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/data_folder.h"
#include "sound/sound_effect.h"

namespace game {

namespace {
// The window and its design place grow with the desktop's scale; the game
// still draws 640 x 480, which the window shows enlarged.
platform::WindowDesc GameWindowDesc(platform::Application& app) {
  const int32_t s = app.Platform().windows.Scale();
  return platform::WindowDesc{"Lumora", 226 * s, 123 * s, 640 * s, 480 * s, true};
}
}  // namespace

TVarnix::TVarnix(platform::Application& app)
    : platform::Form(app, GameWindowDesc(app)),
      Screen(app.Platform().video, Id(),
             display::WindowView{Window.FullScreen, Window.GameWidth, Window.GameHeight, Window.WindowRect,
                                 Window.SourceRect},
             platform::DataFolderOf(app.ExeName())) {}

void TVarnix::FormShow() {
  Windows().HideTaskbarEntry();

  const int32_t left = Left();
  const int32_t top = Top();
  Window.GameWidth = 640;
  Window.GameHeight = 480;
  Window.Scale = Windows().Scale();
  Window.DisplayLive = 1;
  Window.SourceRect = {0, 0, Window.GameWidth, Window.GameHeight};
  Window.WindowRect = {left, top, left + Window.GameWidth, top + Window.GameHeight};
  Window.DragPressed = 0;
  Window.DragAnchored = 0;
  Window.StripButton = 0;
  Window.WindowedLeft = left;
  Window.WindowedTop = top;
  Window.LastLeft = left;
  Window.LastTop = top;
  Window.RestoreFullScreen = Window.FullScreen;
  Window.FocusSeen = 0;
  Window.FocusWaitCalls = 0;

  State.CellPressed = 0;
  State.Cleared = 0;
  State.Playing = 0;
  State.ShowingResult = 0;
  State.StartRequested = 0;
  State.SkipTitleDraw = 0;
  State.HintHeld = 0;
  State.PenaltyCharged = 0;
  State.MenuState = 0;

  SeedRandom(Rng, static_cast<uint32_t>(App().Platform().clock.NowSeconds()));
  InitDisplay();
  DetectPixelFormat();
  App().SetOnIdle([this](bool& done) { IdleStep(done); }, this);
}

void TVarnix::ToggleCell(int32_t X, int32_t Y) {
  game::ToggleCell(State, X, Y);
  PlaySoundEffect("push_on");
}

void TVarnix::PlaySoundEffect(const std::string& name) {
  sound::PlaySoundEffect(App().Platform().sound, WavePath, name);
}

}  // namespace game
