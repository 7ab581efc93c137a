#pragma once

#include <map>

#include "platform/window.h"

namespace platform::web {

// The page stands for the desktop and its viewport for the screen: each
// window is a canvas on it, placed where the game asks. Screen pixels are the
// device's, so a page at a device pixel ratio of 2 or more draws at that whole
// factor, as a desktop at Xft.dpi does. Windows have no frame.
class WebWindows : public WindowService {
 public:
  WebWindows();

  WindowId Create(const WindowDesc& desc) override;
  void Destroy(WindowId id) override;
  void Show(WindowId id) override;
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
  FrameExtents Frame(WindowId) const override { return {}; }
  bool AppActive() const override;
  Point CursorPos() const override;
  Size ScreenSize() const override;
  int32_t Scale() const override { return scale_; }
  void HideTaskbarEntry() override {}
  void InvalidateAll() override {}

  // The window that takes the keys: the one last shown or focused.
  WindowId KeyWindow() const;
  bool Exists(WindowId id) const { return windows_.contains(id); }

 private:
  struct Window {
    Placement placement;
    Size client;
    Point position;
    bool visible = false;
    bool minimised = false;
  };
  Window* Get(WindowId id);
  const Window* Find(WindowId id) const;
  // Puts the window where its placement says and tells the page.
  void Place(WindowId id, Window& w);
  void Update(WindowId id, const Window& w) const;

  std::map<WindowId, Window> windows_;
  WindowId nextId_ = 1;
  WindowId active_ = kNoWindow;
  int32_t scale_ = 1;
};

}  // namespace platform::web
