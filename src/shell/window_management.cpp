#include "game/varnix.h"
#include "platform/application.h"
#include "platform/window.h"

namespace game {

namespace {
// Two seconds of idle calls for the activation to arrive after a showing.
constexpr int32_t kFocusWaitLimit = 40;
}  // namespace

void TVarnix::CheckFocus() {
  if (Window.DisplayLive == 0 && GetWindowState() != platform::WindowState::Minimised) {
    MoveTo(Window.LastLeft, Window.LastTop);
    Window.DisplayLive = 1;
    Window.FullScreen = Window.RestoreFullScreen != 0 ? 1 : 0;
    if (Satellite != nullptr) Satellite->HidePanel();
    // The activation goes to the game, not back to the dialog just hidden.
    Windows().Focus(Id());
    Window.FocusSeen = 0;
    Window.FocusWaitCalls = 0;
    InitDisplay();
  }
  if (App().Active()) {
    Window.FocusSeen = 1;
    return;
  }
  if (Window.DisplayLive == 0) return;
  if (Window.FocusSeen == 0 && ++Window.FocusWaitCalls <= kFocusWaitLimit) return;
  ReleaseDisplay();
  Window.DisplayLive = 0;
  SetWindowState(platform::WindowState::Minimised);
  if (Satellite != nullptr) Satellite->ShowPanel(false);
}

void TVarnix::DragStep() {
  State.CursorPos = ScreenToClient(Windows().CursorPos());
  if (Window.DragAnchored == 0) {
    Window.DragAnchor = State.CursorPos;
    Window.DragAnchored = 1;
    return;
  }
  State.CursorPos = Windows().CursorPos();
  const platform::Size screen = Windows().ScreenSize();
  // Held flush with an edge, the window lets go of its grab point so that
  // the next step takes a new one where the pointer then is.
  auto place = [this](int32_t wanted, int32_t size, int32_t limit) {
    if (wanted >= 0 && wanted + size <= limit) return wanted;
    int32_t placed = wanted;
    if (wanted < 0) placed = 0;
    if (wanted + size > limit) placed = limit - size;
    Window.DragAnchored = 0;
    return placed;
  };
  const int32_t width = Window.GameWidth * Window.Scale;
  const int32_t height = Window.GameHeight * Window.Scale;
  const int32_t left = place(State.CursorPos.x - Window.DragAnchor.x, width, screen.width);
  const int32_t top = place(State.CursorPos.y - Window.DragAnchor.y, height, screen.height);
  MoveTo(left, top);
  // The frame is copied one to one; the window shows it enlarged.
  Window.WindowRect = {left, top, left + Window.GameWidth, top + Window.GameHeight};
  Window.LastLeft = left;
  Window.LastTop = top;
}

void TVarnix::MinimiseGame() {
  ReleaseDisplay();
  Window.DisplayLive = 0;
  SetWindowState(platform::WindowState::Minimised);
  if (Satellite != nullptr) Satellite->ShowPanel(true);
}

void TVarnix::ToggleFullScreen() {
  ReleaseDisplay();
  if (Window.FullScreen != 0) {
    Window.FullScreen = 0;
    MoveTo(Window.WindowedLeft, Window.WindowedTop);
    Window.WindowRect.left = Window.WindowedLeft;
    Window.WindowRect.top = Window.WindowedTop;
  } else {
    Window.FullScreen = 1;
    Window.WindowedLeft = Left();
    Window.WindowedTop = Top();
  }
  InitDisplay();
  Window.RestoreFullScreen = Window.FullScreen;
}

void TVarnix::SaveAndQuit() {
  ReleaseDisplay();
  Windows().InvalidateAll();
  if (Satellite != nullptr) {
    Satellite->WriteStateFiles();
    Satellite->FreeStateLists();
    Satellite->CloseDialog();
  }
}

}  // namespace game
