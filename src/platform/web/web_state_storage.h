#pragma once

#include <string>

namespace platform::web {

// The state files in `folder` (in the page's memory) are kept in the
// browser's localStorage, under keys named by the page's path, in the same
// text. What is stored replaces the build's first-run files now; a stored
// value the browser will not give is left as a file that cannot be read. From
// then on each file the game renames into place is stored first, and storage
// that is refused or full fails the rename, so the game says it could not
// save. score.log saved by another tab replaces the file here, and the game
// is told.
void KeepStateInStorage(const std::string& folder);

}  // namespace platform::web
