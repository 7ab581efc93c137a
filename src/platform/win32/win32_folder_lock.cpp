#include <windows.h>

#include <thread>

#include "platform/folder_lock.h"
#include "platform/win32/win32_text.h"

namespace platform {

// Windows locks files, not folders: the lock is a byte of a small file the
// folder keeps for it.
FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds patience) {
  const std::wstring path = win32::Wide(folder) + L"\\lumora.lock";
  // A copy that holds the lock only reads and writes a few lines; one that
  // hangs while holding it must not keep this one from quitting.
  const auto until = std::chrono::steady_clock::now() + patience;
  for (;;) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION) return;
    if (file != INVALID_HANDLE_VALUE) {
      OVERLAPPED at{};
      if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        held_ = reinterpret_cast<intptr_t>(file);
        return;
      }
      CloseHandle(file);
    }
    if (std::chrono::steady_clock::now() >= until) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

FolderLock::~FolderLock() {
  // Closing the file lets go of its lock.
  if (held_ != -1) CloseHandle(reinterpret_cast<HANDLE>(held_));
}

}  // namespace platform
