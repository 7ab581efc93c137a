#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "platform/present/fullscreen_fit.h"
#include "platform/window.h"
#include "platform/window_placement.h"

struct SDL_Window;

namespace platform::sdl {

// What the windows need from whoever draws into them.
class WindowPresenter {
 public:
  virtual ~WindowPresenter() = default;
  // The window is about to go; its renderer has to go first.
  virtual void Forget(WindowId id) = 0;
  // How the window's picture sits in it while it fills the screen.
  virtual std::optional<FullScreenFit> PictureFit(WindowId id) const = 0;
  virtual bool FillsScreen(WindowId id) const = 0;
  // Whether windows are drawn into through OpenGL, so must be made for it.
  virtual bool DrawsWithOpenGl() const = 0;
};

// Real windows, created hidden. Positions are outer corners, so a framed
// window's SDL position (its client area) is offset by the frame.
class SdlWindows : public WindowService {
 public:
  SdlWindows();
  ~SdlWindows() override;
  SdlWindows(const SdlWindows&) = delete;
  SdlWindows& operator=(const SdlWindows&) = delete;

  WindowId Create(const WindowDesc& desc) override;
  void Destroy(WindowId id) override;
  void Show(WindowId id) override;
  void ShowInactive(WindowId id) override;
  void Focus(WindowId id) override;
  void Hide(WindowId id) override;
  void Move(WindowId id, int32_t left, int32_t top) override;
  void CentreOnScreen(WindowId id) override;
  void CentreOver(WindowId id, const Rect& area) override;
  void Resize(WindowId id, int32_t width, int32_t height) override;
  void SetOuterSize(WindowId id, int32_t width, int32_t height) override;
  Size ClientSize(WindowId id) const override;
  void Minimise(WindowId id) override;
  void Restore(WindowId id) override;
  bool IsMinimised(WindowId id) const override;
  Point Position(WindowId id) const override;
  FrameExtents Frame(WindowId id) const override;
  bool AppActive() const override;
  Point CursorPos() const override;
  Size ScreenSize() const override;
  int32_t Scale() const override { return scale_; }
  void HideTaskbarEntry() override;
  void InvalidateAll() override {}

  void SetPresenter(WindowPresenter* presenter) { presenter_ = presenter; }
  SDL_Window* Native(WindowId id) const;
  // Our id for an SDL window id, or kNoWindow for a window not ours.
  WindowId FromNative(uint32_t sdlWindowId) const;
  bool Borderless(WindowId id) const;
  bool TaskbarHidden() const { return taskbarHidden_; }
  // Places framed windows again until each stands where it was asked, once
  // the window manager has told its frame; called as events are taken.
  void Settle();
  bool Settling() const;
  // A framed window the window manager minimised is brought back, since
  // with no taskbar entry the player could not; done as events are taken.
  void BringBack(WindowId id);
  // Events tell of a window that moved and of the pointer that moved: after
  // the first and until the second, the pointer is asked of the X server.
  void NoteWindowMoved() { pointerStale_ = true; }
  void NotePointerMoved() { pointerStale_ = false; }

 private:
  struct Window {
    SDL_Window* native = nullptr;
    bool borderless = false;
    bool skipTaskbar = false;
    Placement placement;
    // The frame as last measured; a hidden window keeps its last one.
    mutable FrameExtents frame;
    bool settling = false;
    uint32_t settleUntil = 0;
    bool bringingBack = false;
    uint32_t bringBackUntil = 0;
    int corrections = 0;
  };
  const Window* Find(WindowId id) const;
  Window* Get(WindowId id);
  // The frame measured afresh while the window is shown, else the last one.
  FrameExtents FrameOf(const Window& w) const;
  void Place(Window& w);
  void StartSettling(Window& w);
  void KeepBringingBack(Window& w);
  // The pointer on the screen as SDL's events tell it, while it is over one
  // of these windows with no button held.
  std::optional<Point> PointerFromEvents() const;
  // A window moved under the pointer since SDL's last motion event, so SDL's
  // place of the pointer within it is out of date.
  bool pointerStale_ = false;

  std::map<WindowId, Window> windows_;
  WindowId nextId_ = 1;
  WindowPresenter* presenter_ = nullptr;
  bool taskbarHidden_ = false;
  int32_t scale_ = 1;
};

}  // namespace platform::sdl
