#pragma once

#include <string>

#include "platform/events.h"
#include "platform/geometry.h"

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
  virtual void Hide(WindowId id) = 0;
  virtual void Move(WindowId id, int32_t left, int32_t top) = 0;
  virtual void Resize(WindowId id, int32_t width, int32_t height) = 0;
  virtual void Minimise(WindowId id) = 0;
  virtual void Restore(WindowId id) = 0;
  virtual bool IsMinimised(WindowId id) const = 0;
  virtual Point Position(WindowId id) const = 0;
  virtual Size ClientSize(WindowId id) const = 0;
  // Size of the client area inside the frame (none for a borderless window).
  virtual Point ClientOffset(WindowId id) const = 0;
  // Asks for the activation for a shown window; the window system may hand
  // it over later.
  virtual void Focus(WindowId id) { Show(id); }
  // Whether one of the program's windows has the activation.
  virtual bool AppActive() const = 0;
  // The pointer, in screen pixels.
  virtual Point CursorPos() const = 0;
  virtual Size ScreenSize() const = 0;
  // The game keeps no taskbar entry once it runs.
  virtual void HideTaskbarEntry() = 0;
  // Asks every window to repaint; nothing to do on a compositing desktop.
  virtual void InvalidateAll() = 0;
};

}  // namespace platform
