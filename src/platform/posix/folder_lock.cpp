#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace platform {

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds patience) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // A copy that holds the lock only reads and writes a few lines; one that
  // hangs while holding it must not keep this one from quitting.
  const auto until = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      held_ = fd;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  close(fd);
}

FolderLock::~FolderLock() {
  // Closing the folder lets go of its lock.
  if (held_ != -1) close(static_cast<int>(held_));
}

}  // namespace platform
