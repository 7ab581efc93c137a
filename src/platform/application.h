#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/events.h"

namespace platform {

class Form;

// The framework's application object: its title, its forms, the message loop
// with the idle handler, and the error display that keeps the program going.
class Application {
 public:
  using IdleHandler = std::function<void(bool& done)>;

  explicit Application(Backend& backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  void Initialize();
  void SetTitle(const std::string& cp932Title) { title_ = cp932Title; }
  const std::string& Title() const { return title_; }

  // The first form created is the main window; closing it ends the loop.
  template <typename F, typename... Args>
  F& CreateForm(Args&&... args) {
    auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
    F& ref = *form;
    forms_.push_back(std::move(form));
    return ref;
  }
  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // `owner` is the form the handler works for; its errors show over it.
  void SetOnIdle(IdleHandler handler, const Form* owner = nullptr) {
    onIdle_ = std::move(handler);
    idleOwner_ = owner;
  }
  bool Active() const;

  // Shows the main window (its show handler guarded), then turns the loop
  // until the main window closes.
  void Run();
  void ShowMainForm();
  // One turn of the loop: dispatch one pending event, or idle when none is.
  void HandleMessage();
  bool Terminated() const { return terminated_; }
  void Terminate() { terminated_ = true; }

  // An error box captioned with the title, holding the error's message,
  // centred over the form that raised it while that form is on the screen.
  void ShowException(const std::exception& error, const Form* raisedBy = nullptr);

  // The executable's full path, from which the game's files are found.
  const std::string& ExeName() const { return exeName_; }
  void SetExeName(std::string path) { exeName_ = std::move(path); }

  Backend& Platform() const { return backend_; }

 private:
  void Dispatch(const Event& event);
  void Idle();
  // Runs a handler of `form`; an error it raises is shown and the program
  // goes on.
  template <typename Fn>
  bool Guarded(const Form* form, Fn&& fn);

  Backend& backend_;
  std::string title_;
  std::string exeName_;
  std::vector<std::unique_ptr<Form>> forms_;
  IdleHandler onIdle_;
  const Form* idleOwner_ = nullptr;
  bool terminated_ = false;
  bool waitBeforeIdle_ = false;
};

// The folder of an executable path, with its trailing slash.
std::string DirectoryOf(const std::string& path);
// The path of the running executable.
std::string RunningExecutablePath();

}  // namespace platform
