#pragma once

#include <cstdint>

#include "game/cell.h"
#include "platform/geometry.h"

namespace game {

// The keyboard's cell cursor and menu choice. Each shows only once a key has
// moved it, and the pointer hides it again, so mouse play looks as it did.
struct KeyCursor {
  int32_t Column = 0;
  int32_t Row = 0;
  bool Shown = false;
  // The menu item chosen by Up and Down, or -1.
  int32_t MenuItem = -1;
  // Space or Enter is down on a cell, as a held left button.
  bool Pressing = false;
};

// Everything the puzzle and its phases keep. The phase is the pair
// Playing / ShowingResult: title (neither), play, result.
struct GameState {
  TBoard Board{};

  uint8_t CellPressed = 0;
  uint8_t Cleared = 0;
  uint8_t Playing = 0;
  uint8_t ShowingResult = 0;
  uint8_t StartRequested = 0;
  uint8_t SkipTitleDraw = 0;
  uint8_t HintHeld = 0;
  uint8_t PenaltyCharged = 0;
  int32_t ElapsedTicks = 0;
  int32_t TickFrames = 0;
  int32_t SizeIndex = 0;
  int32_t BoardFirst = 0;
  int32_t BoardEnd = 0;
  int32_t LitCount = 0;
  int32_t HiddenCount = 0;
  int32_t LitHiddenCount = 0;
  int32_t PressedX = 0;
  int32_t PressedY = 0;
  int32_t DrainFrames = 0;
  int32_t HintFrames = 0;
  int32_t Points = 0;
  int32_t HighScore[4] = {0, 0, 0, 0};

  platform::Point CursorPos;
  KeyCursor Keys;
  // 0 closed, 3 open.
  int32_t MenuState = 0;
};

}  // namespace game
