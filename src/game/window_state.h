#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace game {

// The game window as the game keeps it: its mode, where it stands, and the
// title-strip press and drag in progress.
struct WindowState {
  int32_t GameWidth = 0;
  int32_t GameHeight = 0;
  // The desktop's whole scale: the window is the game area enlarged by it,
  // and it is dragged and clamped in screen pixels.
  int32_t Scale = 1;
  uint8_t DisplayLive = 0;
  uint8_t FullScreen = 0;
  int32_t RestoreFullScreen = 0;
  platform::Rect SourceRect;
  platform::Rect WindowRect;
  int32_t WindowedLeft = 0;
  int32_t WindowedTop = 0;
  int32_t LastLeft = 0;
  int32_t LastTop = 0;
  uint8_t DragPressed = 0;
  uint8_t DragAnchored = 0;
  platform::Point DragAnchor;
  // 0 none, 1 minimise, 2 display mode, 3 close.
  int32_t StripButton = 0;
  // The window system hands the activation over some time after the game is
  // shown; until the game has had it, or FocusWaitCalls idle calls have gone
  // by, not having it is no loss of the focus.
  uint8_t FocusSeen = 0;
  int32_t FocusWaitCalls = 0;
};

}  // namespace game
