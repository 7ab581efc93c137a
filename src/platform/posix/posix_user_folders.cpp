#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/user_folders.h"

namespace platform {

namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace

UserEnvironment CurrentUserEnvironment() {
  UserEnvironment env{Variable("XDG_DATA_HOME"), Variable("HOME"), std::nullopt};
  if (!env.home || env.home->empty()) {
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) env.home = entry->pw_dir;
  }
  return env;
}

}  // namespace platform
