#pragma once

#include <optional>
#include <string>

namespace platform {

// Where the system keeps a player's own files; nullopt for what it does not
// name. On Linux the XDG variables and the home folder (posix/); on Windows
// the roaming application data folder (win32/).
struct UserEnvironment {
  std::optional<std::string> xdgDataHome;
  std::optional<std::string> home;
  std::optional<std::string> appData;
};

// $XDG_DATA_HOME, and $HOME or else the password database's home folder; or
// Windows' %APPDATA% as the shell names it.
UserEnvironment CurrentUserEnvironment();

}  // namespace platform
