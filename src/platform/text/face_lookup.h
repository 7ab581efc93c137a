#pragma once

#include <optional>
#include <string>

#include "platform/text/face_file.h"

namespace platform {

// For the faces the game names, the first of their pinned families that is
// installed. Otherwise the face called `familyUtf8` if it is installed and
// covers Japanese; otherwise fontconfig's closest Japanese face of the asked
// pitch, then any Japanese face.
std::optional<FaceFile> FindFace(const std::string& familyUtf8, bool proportional = false);

}  // namespace platform
