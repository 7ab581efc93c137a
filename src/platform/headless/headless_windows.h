#pragma once

#include <map>

#include "platform/window.h"

namespace platform::headless {

// Windows on a virtual screen. A window that is shown takes the activation,
// as a window manager would give it; tests take it away with Deactivate.
class HeadlessWindows : public WindowService {
 public:
  struct Window {
    WindowDesc desc;
    Point position;  // outer corner
    Size client;
    Placement placement;
    bool visible = false;
    bool minimised = false;
  };

  explicit HeadlessWindows(Size screen = {1024, 768}) : screen_(screen) {}

  WindowId Create(const WindowDesc& desc) override;
  void Destroy(WindowId id) override;
  void Show(WindowId id) override;
  void ShowInactive(WindowId id) override;
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
  void Focus(WindowId id) override;
  bool AppActive() const override { return active_ != kNoWindow; }
  Point CursorPos() const override { return cursor_; }
  Size ScreenSize() const override { return screen_; }
  int32_t Scale() const override { return scale_; }
  void HideTaskbarEntry() override { taskbarHidden_ = true; }
  void InvalidateAll() override { ++invalidations_; }

  void SetScreenSize(Size screen) { screen_ = screen; }
  // The desktop's scale; a borderless window shows its picture enlarged by it.
  void SetScale(int32_t scale) { scale_ = scale; }
  void SetCursor(Point screen) { cursor_ = screen; }
  // The window manager frames every framed window anew, as when it reports
  // its frame late or another window manager takes over; each stands again
  // where it was asked to.
  void SetFrame(FrameExtents frame);
  // The activation leaves the program, as when the player clicks elsewhere.
  void Deactivate() { active_ = kNoWindow; }
  void Activate(WindowId id) { active_ = id; }
  // A window system that hands the activation over late: while set, showing,
  // restoring or asking gives it to no window, and only Activate does.
  void SetLateFocus(bool late) { lateFocus_ = late; }
  WindowId ActiveWindow() const { return active_; }

  const Window* Find(WindowId id) const;
  // The id the next window made will take, so that a test can queue input
  // for an error box before it shows.
  WindowId NextId() const { return nextId_; }
  bool TaskbarHidden() const { return taskbarHidden_; }
  int Invalidations() const { return invalidations_; }

 private:
  Window* Get(WindowId id);
  void Place(Window& w);

  Size screen_;
  int32_t scale_ = 1;
  Point cursor_;
  // A caption above the client area and a thin border around it.
  FrameExtents frame_{3, 22, 3, 3};
  std::map<WindowId, Window> windows_;
  WindowId nextId_ = 1;
  WindowId active_ = kNoWindow;
  bool lateFocus_ = false;
  bool taskbarHidden_ = false;
  int invalidations_ = 0;
};

}  // namespace platform::headless
