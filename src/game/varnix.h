#pragma once

#include <cstdint>
#include <string>

#include "game/companion.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/window_state.h"
#include "platform/form.h"

namespace platform {
class Surface;
}

namespace game {

// The game form: the borderless 640 x 480 window in which the game is drawn.
// It owns the game state, the window state and the folder paths.
class TVarnix : public platform::Form {
 public:
  explicit TVarnix(platform::Application& app);

  // Frame loop and phases.
  void FormShow() override;
  void IdleStep(bool& done);
  void FrameStep();

  // Input.
  void FormMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormMouseMove(platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormKeyDown(uint16_t& Key, platform::ShiftState Shift) override;
  void FormCloseRequest() override;

  // The board, with the sound of a press.
  void ToggleCell(int32_t X, int32_t Y);
  void PlaySoundEffect(const std::string& name);

  // Screens.
  void DrawCells();
  void DrawHover();
  void DrawHints();
  void DrawSolution();
  void DrawTitleScreen();
  void DrawHud();
  void DrawMenu();
  void DrawStripButton();
  void DrawResultScreen();

  // Display.
  void InitDisplay();
  void ReleaseDisplay();
  void DetectPixelFormat();
  void Present();
  void BltOpaque(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                 int32_t bottom);

  // Window management.
  void CheckFocus();
  void DragStep();
  void MinimiseGame();
  void ToggleFullScreen();
  void SaveAndQuit();

  // The companion dialog stands in for the game while it is away and ends
  // the program when it closes.
  void SetCompanion(Companion* companion) { Satellite = companion; }

  GameState State;
  Random Rng;
  WindowState Window;
  std::string WavePath;
  std::string DataPath;
  platform::Surface* BackSheet = nullptr;
  Companion* Satellite = nullptr;
};

}  // namespace game
