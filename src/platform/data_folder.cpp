#include "platform/data_folder.h"

#include <filesystem>

#include "platform/application.h"
#include "platform/utf8_path.h"

#ifndef LUMORA_DATA_FROM_BIN
#error "the build names the installed data folder, relative to the executable's"
#endif

namespace platform {

std::string DataFolderOf(const std::string& exePath) {
  const std::string own = DirectoryOf(exePath);
  std::error_code error;
  if (std::filesystem::is_directory(Utf8Path(own + "IMAGE"), error)) return own;
  const std::filesystem::path installed = (Utf8Path(own) / LUMORA_DATA_FROM_BIN).lexically_normal();
  if (std::filesystem::is_directory(installed / "IMAGE", error)) {
    std::string folder = PathUtf8(installed);
    if (folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
  }
  // Neither: the sheets' own errors then name the executable's folder.
  return own;
}

}  // namespace platform
