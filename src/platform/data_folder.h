#pragma once

#include <string>

namespace platform {

// The folder that holds IMAGE/ and WAVE/ for the executable at `exePath`, with
// its trailing slash: the executable's own folder when IMAGE/ stands beside it
// (the build folder, a portable copy), else the installed share folder found
// relative to the executable, so that an installed prefix can be moved.
std::string DataFolderOf(const std::string& exePath);

}  // namespace platform
