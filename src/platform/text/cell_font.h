#pragma once

#include <memory>
#include <optional>

#include "platform/text/face_file.h"
#include "platform/text/font.h"

namespace platform {

// The font on a given face, without asking the system for one; with no face,
// or one that will not open, it draws boxes only.
std::unique_ptr<Font> CreateFontOnFace(const LogFont& logFont, const std::optional<FaceFile>& face);

}  // namespace platform
