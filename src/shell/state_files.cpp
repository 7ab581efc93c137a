#include "game/varnix.h"
#include "platform/application.h"
#include "shell/satellite.h"

namespace shell {

void TSatellite::ReadStateFiles() {
  FreeStateLists();
  if (Game == nullptr) return;
  const std::string folder = platform::DirectoryOf(App().ExeName());
  Game->WavePath = folder + "WAVE/";
  Game->DataPath = folder + "DATA/";
  // Loading the three files into the lists and applying their values comes
  // with the state-file work.
}

// Replacing the lines and saving the three files comes with the state-file
// work.
void TSatellite::WriteStateFiles() {}

}  // namespace shell
