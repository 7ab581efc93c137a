#pragma once

#include <string>

#include "platform/application.h"
#include "platform/backend.h"

namespace game {
class TVarnix;
}

namespace shell {

class TSatellite;

// Program entry on a given backend: the application, its two windows and the
// message loop. Tests drive it a turn at a time.
class Program {
 public:
  explicit Program(platform::Backend& backend, std::string exeName = platform::RunningExecutablePath());
  ~Program();

  // Names the application, makes the dialog and then the game form, and shows
  // the dialog.
  void Start();
  // One turn of the message loop; false once the program has ended.
  bool Step();
  // Start, then turn the loop until the main window closes. Returns 0.
  int Run();

  platform::Application& App() { return app_; }
  TSatellite& Satellite() { return *satellite_; }
  game::TVarnix& Game() { return *game_; }

 private:
  platform::Application app_;
  TSatellite* satellite_ = nullptr;
  game::TVarnix* game_ = nullptr;
};

}  // namespace shell
