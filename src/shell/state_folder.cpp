#include "shell/state_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "shell/default_state_files.h"
#include "shell/string_list.h"

namespace shell {

namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

// The XDG rules take only absolute paths; anything else counts as unset.
bool Usable(const std::optional<std::string>& folder) { return folder && !folder->empty() && folder->front() == '/'; }

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// mkdir -p, each new folder private to the player as the XDG rules ask.
bool MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

UserEnvironment CurrentUserEnvironment() {
  UserEnvironment env{Variable("XDG_DATA_HOME"), Variable("HOME")};
  if (!env.home || env.home->empty()) {
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) env.home = entry->pw_dir;
  }
  return env;
}

StateFolder ChooseStateFolder(const std::string& exeFolder, const UserEnvironment& env) {
  const std::string own = exeFolder + "DATA";
  struct stat info {};
  if (stat(own.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && access(own.c_str(), W_OK | X_OK) == 0) {
    return {own + "/", true};
  }
  std::string base;
  if (Usable(env.xdgDataHome)) {
    base = WithoutTrailingSlashes(*env.xdgDataHome);
  } else if (Usable(env.home)) {
    base = WithoutTrailingSlashes(*env.home) + "/.local/share";
  } else {
    return {"", false};
  }
  if (base == "/") base.clear();
  return {base + "/lumora/", false};
}

void PrepareStateFolder(const StateFolder& folder) {
  if (folder.portable) return;
  if (folder.path.empty()) throw CannotCreate("~/.local/share/lumora/");
  if (!MakeFolders(folder.path)) throw CannotCreate(folder.path);
  for (const StateFileDefault& file : kDefaultStateFiles) {
    const std::string path = folder.path + std::string(file.name);
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 && errno == ENOENT) ReplaceFile(path, file.bytes);
  }
}

}  // namespace shell
