#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "display/display.h"
#include "game/companion.h"
#include "game/game_state.h"
#include "game/random.h"
#include "game/window_state.h"
#include "platform/form.h"

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
  // The picture's pixel under a client position of the window.
  platform::Point PicturePoint(platform::Point client) const;

  // Input.
  void FormMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormMouseMove(platform::ShiftState Shift, int32_t X, int32_t Y) override;
  void FormKeyDown(uint16_t& Key, platform::ShiftState Shift) override;
  void FormKeyUp(uint16_t& Key, platform::ShiftState Shift) override;
  void FormCloseRequest() override;

  // The menu's three items, by pointer or by key.
  void StartOver();
  void GiveUp();
  // A press on the field ends, by the button's release or by leaving its cell.
  void EndCellPress();

  // The board, with the sound of a press.
  void ToggleCell(int32_t X, int32_t Y);
  void PlaySoundEffect(const std::string& name);

  // Screens.
  // The backdrop, all of it but the square the board's tiles will cover.
  void DrawBackdrop();
  // The square DrawCells covers whole with tiles this frame; empty when it
  // would leave any of it uncovered.
  platform::Rect TiledBoard() const;
  void DrawCells();
  void DrawHover();
  void DrawHints();
  void DrawTitleScreen();
  void DrawHud();
  void DrawMenu();
  void DrawStripButton();
  void DrawResultScreen();

  // Display: the engine's operations on this window's display.
  void InitDisplay();
  void ReleaseDisplay();
  void CreateDevice();
  void CreateOffscreen();
  void DetectPixelFormat();
  void Present();
  void RestoreSurfaces();
  void LoadSheet(platform::Surface* surface, const std::string& name);
  void SetSheetKey(platform::Surface* surface, int32_t r, int32_t g, int32_t b);
  void BltOpaque(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                 int32_t bottom);
  void BltKeyed(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                int32_t bottom);
  void BltTileRow(int32_t x, int32_t y, platform::Surface* source, std::span<const platform::Point> corners,
                  platform::Size size);
  void DarkenRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t n);
  void TintRect(int32_t x, int32_t y, int32_t width, int32_t height, int32_t r, int32_t g, int32_t b, int32_t n);
  void BlendFrom(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, int32_t n);
  void BlendKeyedFrom(int32_t x, int32_t y, platform::Surface* source, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t keyR, int32_t keyG, int32_t keyB, int32_t n);
  void MakeFont(int32_t height, int32_t width, const std::string& face);
  void PutText(int32_t x, int32_t y, const std::string& text, int32_t textR, int32_t textG, int32_t textB,
               int32_t backR, int32_t backG, int32_t backB);
  void PutTextOn(platform::Surface* surface, int32_t x, int32_t y, const std::string& text, int32_t textR,
                 int32_t textG, int32_t textB, int32_t backR, int32_t backG, int32_t backB);
  void PutTextKeyed(int32_t x, int32_t y, const std::string& text, int32_t r, int32_t g, int32_t b);
  platform::Surface* BackSheet() const { return Screen.BackSheet.get(); }
  platform::Surface* EffectSheet() const { return Screen.EffectSheet.get(); }
  platform::Surface* SpriteSheet() const { return Screen.SpriteSheet.get(); }

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
  display::Display Screen;
  Companion* Satellite = nullptr;
};

}  // namespace game
