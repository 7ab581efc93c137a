#include "shell/program.h"

#include "game/varnix.h"
#include "platform/text_codec.h"
#include "shell/satellite.h"

namespace shell {

Program::Program(platform::Backend& backend, std::string exeName) : app_(backend) {
  app_.SetExeName(std::move(exeName));
}

Program::~Program() = default;

void Program::Start() {
  app_.Initialize();
  app_.SetTitle("Lumora ver 1.0");
  satellite_ = &app_.CreateForm<TSatellite>();
  game_ = &app_.CreateForm<game::TVarnix>();
  satellite_->SetGame(game_);
  game_->SetCompanion(satellite_);
  app_.ShowMainForm();
}

bool Program::Step() {
  if (app_.Terminated()) return false;
  app_.HandleMessage();
  return !app_.Terminated();
}

int Program::Run() {
  try {
    Start();
    while (Step()) {
    }
  } catch (const std::exception& error) {
    app_.ShowException(error);
  }
  return 0;
}

}  // namespace shell
