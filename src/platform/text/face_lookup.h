#pragma once

#include <optional>
#include <string>

#include "platform/text/face_file.h"

namespace platform {

// The face called `familyUtf8` if it is installed and covers Japanese;
// otherwise the closest Japanese face of the asked pitch, then any Japanese
// face.
std::optional<FaceFile> FindFace(const std::string& familyUtf8, bool proportional = false);

}  // namespace platform
