#pragma once

#include <string>

#include "platform/events.h"
#include "platform/geometry.h"
#include "platform/window.h"

namespace platform {

class Application;

enum class WindowState { Normal, Minimised };

// A top-level window with the framework's events. Handlers are virtual and
// empty by default; a form overrides those it uses.
class Form {
 public:
  Form(Application& app, const WindowDesc& desc);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Makes the form visible; its show handler runs inside this call.
  void Show();
  // The same, leaving the activation with the window that has it.
  void ShowInactive();
  void Hide();
  bool Visible() const { return visible_; }
  // Closing the main form ends the program.
  void Close();

  int32_t Left() const;
  int32_t Top() const;
  void SetLeft(int32_t left);
  void SetTop(int32_t top);
  void MoveTo(int32_t left, int32_t top);
  // Outer size, frame included.
  void SetOuterSize(int32_t width, int32_t height);
  Size ClientSize() const;
  void SetWindowState(WindowState state);
  WindowState GetWindowState() const;

  Point ScreenToClient(Point screen) const;

  WindowId Id() const { return id_; }
  Application& App() const { return app_; }
  WindowService& Windows() const;

  virtual void FormShow() {}
  virtual void FormMouseDown(MouseButton, ShiftState, int32_t, int32_t) {}
  virtual void FormMouseUp(MouseButton, ShiftState, int32_t, int32_t) {}
  virtual void FormMouseMove(ShiftState, int32_t, int32_t) {}
  virtual void FormKeyDown(uint16_t&, ShiftState) {}
  virtual void FormKeyUp(uint16_t&, ShiftState) {}
  // The window system asked the window to close.
  virtual void FormCloseRequest() { Close(); }
  // Another copy of the game saved its state files; told to the main form.
  virtual void FormStateSaved() {}

  void Dispatch(const Event& event);

 private:
  void ShowTakingActivation(bool take);

  Application& app_;
  WindowId id_;
  bool visible_ = false;
};

}  // namespace platform
