#include "platform/text/face_lookup.h"

namespace platform {

// The page carries the two IPA faces the desktop pins, cut down to the
// characters the game writes and renamed, as their licence asks of a cut-down
// face; there is nothing else to look through.
std::optional<FaceFile> FindFace(const std::string& familyUtf8, bool proportional) {
  const bool fixed = familyUtf8 == "ＭＳ ゴシック" || (familyUtf8 != "ＭＳ Ｐゴシック" && !proportional);
  if (fixed) return FaceFile{"/FONTS/LumoraGothic.ttf", 0, "Lumora Gothic", nullptr};
  return FaceFile{"/FONTS/LumoraPGothic.ttf", 0, "Lumora PGothic", nullptr};
}

}  // namespace platform
