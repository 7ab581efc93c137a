#pragma once

#include <string>

#include "platform/events.h"
#include "platform/geometry.h"
#include "platform/window_placement.h"

namespace platform {

struct WindowDesc {
  std::string caption;  // CP932
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;   // client area
  int32_t height = 0;  // client area
  bool borderless = false;
};

// The window system as the forms see it. Positions are the window's outer
// top-left corner in screen pixels; sizes are client sizes.
class WindowService {
 public:
  virtual ~WindowService() = default;
  virtual WindowId Create(const WindowDesc& desc) = 0;
  virtual void Destroy(WindowId id) = 0;
  virtual void Show(WindowId id) = 0;
  // Shows the window without taking the activation from the window that has
  // it, in this program or another.
  virtual void ShowInactive(WindowId id) { Show(id); }
  virtual void Hide(WindowId id) = 0;
  virtual void Move(WindowId id, int32_t left, int32_t top) = 0;
  // Centres the window, frame included, on the screen; the place is kept
  // right when the window manager tells its frame only later.
  virtual void CentreOnScreen(WindowId id) = 0;
  // Centres the client area over a screen rectangle, frame kept on the screen.
  virtual void CentreOver(WindowId id, const Rect& area) = 0;
  virtual void Resize(WindowId id, int32_t width, int32_t height) = 0;
  // Outer size, frame included; the client area takes what the frame leaves.
  virtual void SetOuterSize(WindowId id, int32_t width, int32_t height) = 0;
  virtual Size ClientSize(WindowId id) const = 0;
  virtual void Minimise(WindowId id) = 0;
  virtual void Restore(WindowId id) = 0;
  virtual bool IsMinimised(WindowId id) const = 0;
  virtual Point Position(WindowId id) const = 0;
  // The frame the window manager put around the window, as measured; none for
  // a borderless window or where no window manager runs.
  virtual FrameExtents Frame(WindowId id) const = 0;
  // Where the client area starts inside the outer corner.
  Point ClientOffset(WindowId id) const {
    const FrameExtents frame = Frame(id);
    return {frame.left, frame.top};
  }
  // Asks for the activation for a shown window; the window system may hand
  // it over later.
  virtual void Focus(WindowId id) { Show(id); }
  // Whether one of the program's windows has the activation.
  virtual bool AppActive() const = 0;
  // The pointer, in screen pixels.
  virtual Point CursorPos() const = 0;
  virtual Size ScreenSize() const = 0;
  // The whole factor a high-density desktop is drawn at. Positions and sizes
  // here are screen pixels all the same; a window whose picture is smaller
  // than it shows the picture enlarged.
  virtual int32_t Scale() const { return 1; }
  // The game keeps no taskbar entry once it runs.
  virtual void HideTaskbarEntry() = 0;
  // Asks every window to repaint; nothing to do on a compositing desktop.
  virtual void InvalidateAll() = 0;
};

}  // namespace platform
