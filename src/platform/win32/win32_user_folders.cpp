#include <shlobj.h>
#include <windows.h>

#include "platform/user_folders.h"
#include "platform/win32/win32_text.h"

namespace platform {

UserEnvironment CurrentUserEnvironment() {
  UserEnvironment env;
  PWSTR folder = nullptr;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK) {
    env.appData = win32::Utf8(folder);
  }
  CoTaskMemFree(folder);
  return env;
}

}  // namespace platform
