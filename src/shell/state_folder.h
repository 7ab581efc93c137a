#pragma once

#include <optional>
#include <string>

#include "platform/user_folders.h"

namespace shell {

// Where the three state files live. A game folder with its own DATA/ that can
// be written keeps them there (the build folder, a portable copy); any other,
// an installed game above all, keeps them in the player's data folder, so
// nothing is ever written beside an installed executable.
struct StateFolder {
  std::string path;  // with its trailing slash; empty when there is no home
  bool portable = false;
};

using platform::CurrentUserEnvironment;
using platform::UserEnvironment;

// `exeFolder` ends in a slash. Outside the portable layout the files go to
// %APPDATA%\Lumora\ where Windows names that folder; else to
// $XDG_DATA_HOME/lumora/, or ~/.local/share/lumora/ when that variable is
// unset, empty or relative, as the XDG base directory rules ask.
StateFolder ChooseStateFolder(const std::string& exeFolder, const UserEnvironment& env);

// Outside the portable layout: makes the folder with its parents and gives
// each state file that is not there yet its first-run contents. A folder or
// file that cannot be made raises the framework's "cannot create" error.
void PrepareStateFolder(const StateFolder& folder);

}  // namespace shell
