#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace platform {

// An advisory lock on a folder, held for as long as the object lives, so that
// two copies of the game never read and rewrite the same file at once.
// Taking it waits at most `patience`; a lock that cannot be had by then, or a
// folder that cannot be opened, leaves the caller to go on without it.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder, std::chrono::milliseconds patience = std::chrono::seconds(2));
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return held_ != -1; }

 private:
  intptr_t held_ = -1;  // the system's descriptor or handle
};

}  // namespace platform
