#include "shell/state_folder.h"

#include "platform/file_system.h"
#include "platform/utf8_path.h"
#include "shell/default_state_files.h"
#include "shell/string_list.h"

namespace shell {

namespace {

// The XDG rules take only absolute paths; anything else counts as unset.
bool Usable(const std::optional<std::string>& folder) { return folder && !folder->empty() && folder->front() == '/'; }

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

StateFolder ChooseStateFolder(const std::string& exeFolder, const UserEnvironment& env) {
  const std::string own = platform::InFolder(exeFolder, "DATA");
  if (platform::WritableFolder(own)) return {platform::InFolder(own, "/"), true};
  if (env.appData && !env.appData->empty()) return {*env.appData + "\\Lumora\\", false};
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
  if (!platform::MakePrivateFolders(folder.path)) throw CannotCreate(folder.path);
  for (const StateFileDefault& file : kDefaultStateFiles) {
    const std::string path = folder.path + std::string(file.name);
    if (platform::NothingAt(path)) ReplaceFile(path, file.bytes);
  }
}

}  // namespace shell
