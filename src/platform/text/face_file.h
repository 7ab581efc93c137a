#pragma once

#include <memory>
#include <string>

namespace platform {

// A scalable face on disk, as the system's font configuration names it.
struct FaceFile {
  std::string path;
  int index = 0;
  std::string family;  // UTF-8
  // The file's bytes, where the system's FreeType cannot open the path
  // itself (on Windows it takes the ANSI code page); else FreeType opens it.
  std::shared_ptr<const std::string> bytes;
};

}  // namespace platform
