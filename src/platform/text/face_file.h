#pragma once

#include <string>

namespace platform {

// A scalable face on disk, as the system's font configuration names it.
struct FaceFile {
  std::string path;
  int index = 0;
  std::string family;  // UTF-8
};

}  // namespace platform
