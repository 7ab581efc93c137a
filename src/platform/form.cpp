#include "platform/form.h"

#include "platform/application.h"

namespace platform {

Form::Form(Application& app, const WindowDesc& desc) : app_(app), id_(app.Platform().windows.Create(desc)) {}

Form::~Form() { Windows().Destroy(id_); }

WindowService& Form::Windows() const { return app_.Platform().windows; }

void Form::Show() { ShowTakingActivation(true); }

void Form::ShowInactive() { ShowTakingActivation(false); }

void Form::ShowTakingActivation(bool take) {
  if (visible_) return;
  visible_ = true;
  if (take) Windows().Show(id_);
  else Windows().ShowInactive(id_);
  FormShow();
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  Windows().Hide(id_);
}

void Form::Close() {
  Hide();
  if (app_.MainForm() == this) app_.Terminate();
}

int32_t Form::Left() const { return Windows().Position(id_).x; }
int32_t Form::Top() const { return Windows().Position(id_).y; }
void Form::SetLeft(int32_t left) { Windows().Move(id_, left, Top()); }
void Form::SetTop(int32_t top) { Windows().Move(id_, Left(), top); }
void Form::MoveTo(int32_t left, int32_t top) { Windows().Move(id_, left, top); }

void Form::SetOuterSize(int32_t width, int32_t height) { Windows().SetOuterSize(id_, width, height); }

Size Form::ClientSize() const { return Windows().ClientSize(id_); }

void Form::SetWindowState(WindowState state) {
  if (state == WindowState::Minimised) Windows().Minimise(id_);
  else Windows().Restore(id_);
}

WindowState Form::GetWindowState() const {
  return Windows().IsMinimised(id_) ? WindowState::Minimised : WindowState::Normal;
}

Point Form::ScreenToClient(Point screen) const {
  const Point pos = Windows().Position(id_);
  const Point frame = Windows().ClientOffset(id_);
  return {screen.x - pos.x - frame.x, screen.y - pos.y - frame.y};
}

void Form::Dispatch(const Event& event) {
  switch (event.type) {
    case EventType::MouseDown:
      FormMouseDown(event.button, event.shift, event.x, event.y);
      break;
    case EventType::MouseUp:
      FormMouseUp(event.button, event.shift, event.x, event.y);
      break;
    case EventType::MouseMove:
      FormMouseMove(event.shift, event.x, event.y);
      break;
    case EventType::KeyDown: {
      uint16_t key = event.key;
      FormKeyDown(key, event.shift);
      break;
    }
    case EventType::KeyUp: {
      uint16_t key = event.key;
      FormKeyUp(key, event.shift);
      break;
    }
    case EventType::CloseRequest:
      FormCloseRequest();
      break;
    case EventType::Quit:
    case EventType::StateSaved:
      break;
  }
}

}  // namespace platform
