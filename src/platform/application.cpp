#include "platform/application.h"

#include <filesystem>

#include "platform/form.h"
#include "platform/message_box.h"
#include "platform/sound.h"

namespace platform {

Application::Application(Backend& backend) : backend_(backend), exeName_(RunningExecutablePath()) {}

Application::~Application() = default;

void Application::Initialize() {
  terminated_ = false;
  waitBeforeIdle_ = false;
}

bool Application::Active() const { return backend_.windows.AppActive(); }

void Application::ShowException(const std::exception& error, const Form* raisedBy) {
  const bool onScreen =
      raisedBy != nullptr && raisedBy->Visible() && raisedBy->GetWindowState() != WindowState::Minimised;
  backend_.boxes.ShowError(onScreen ? raisedBy->Id() : kNoWindow, title_, error.what());
}

template <typename Fn>
bool Application::Guarded(const Form* form, Fn&& fn) {
  try {
    fn();
    return true;
  } catch (const std::exception& error) {
    ShowException(error, form);
    return false;
  }
}

void Application::ShowMainForm() {
  if (Form* main = MainForm()) Guarded(main, [main] { main->Show(); });
}

void Application::Run() {
  ShowMainForm();
  while (!terminated_) HandleMessage();
}

void Application::HandleMessage() {
  Event event;
  if (backend_.events.Poll(event)) {
    waitBeforeIdle_ = false;
    Dispatch(event);
    return;
  }
  // Nothing waits: a sound that has played out can let its device go.
  backend_.sound.Settle();
  if (waitBeforeIdle_) {
    // An idle handler that failed, or reported itself done, is called again
    // only once a message has come in.
    backend_.events.Wait();
    return;
  }
  Idle();
}

void Application::Idle() {
  if (!onIdle_) {
    waitBeforeIdle_ = true;
    return;
  }
  bool done = true;
  if (!Guarded(idleOwner_, [this, &done] { onIdle_(done); })) done = true;
  waitBeforeIdle_ = done;
}

void Application::Dispatch(const Event& event) {
  if (event.type == EventType::Quit) {
    if (Form* main = MainForm()) Guarded(main, [main] { main->FormCloseRequest(); });
    else terminated_ = true;
    return;
  }
  if (event.type == EventType::StateSaved) {
    if (Form* main = MainForm()) Guarded(main, [main] { main->FormStateSaved(); });
    return;
  }
  for (auto& form : forms_) {
    if (form->Id() == event.window) {
      Guarded(form.get(), [&form, &event] { form->Dispatch(event); });
      return;
    }
  }
}

std::string DirectoryOf(const std::string& path) {
  // Windows takes either slash; elsewhere a backslash is part of a name.
  constexpr const char* kSlashes = std::filesystem::path::preferred_separator == '\\' ? "\\/" : "/";
  const auto slash = path.find_last_of(kSlashes);
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}

}  // namespace platform
