#include <map>
#include <mutex>

#include "platform/application.h"
#include "platform/data_folder.h"
#include "platform/file_system.h"
#include "platform/text/face_lookup.h"

namespace platform {

namespace {

// Read once and kept: every size of a face draws from the same bytes.
std::shared_ptr<const std::string> FaceBytes(const std::string& path) {
  static std::mutex mutex;
  static std::map<std::string, std::shared_ptr<const std::string>> read;
  std::lock_guard lock(mutex);
  auto& bytes = read[path];
  if (!bytes) {
    if (std::optional<std::string> file = ReadPlainFile(path)) bytes = std::make_shared<const std::string>(std::move(*file));
  }
  return bytes;
}

}  // namespace

// The game carries IPA's two faces, the ones the Linux desktop pins, in its
// FONTS folder; no other face on the machine is looked at, so a frame is the
// same on every Windows.
std::optional<FaceFile> FindFace(const std::string& familyUtf8, bool proportional) {
  const bool fixed = familyUtf8 == "ＭＳ ゴシック" || (familyUtf8 != "ＭＳ Ｐゴシック" && !proportional);
  const std::string path = DataFolderOf(RunningExecutablePath()) + (fixed ? "FONTS\\ipag.ttf" : "FONTS\\ipagp.ttf");
  std::shared_ptr<const std::string> bytes = FaceBytes(path);
  if (!bytes) return std::nullopt;
  return FaceFile{path, 0, fixed ? "IPAGothic" : "IPAPGothic", std::move(bytes)};
}

}  // namespace platform
