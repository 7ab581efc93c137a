#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/application.h"
#include "platform/file_system.h"

namespace platform {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool WriteAndMove(int fd, const std::string& path, const std::string& tempPath, std::string_view bytes,
                  const std::function<void()>& beforeMove) {
  // The new file keeps the permissions the player gave the old one.
  struct stat old {};
  if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) fchmod(fd, old.st_mode & 07777);
  const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  if (close(fd) != 0 || !written) return false;
  if (beforeMove) beforeMove();
  return rename(tempPath.c_str(), path.c_str()) == 0;
}

}  // namespace

std::optional<std::string> ReadPlainFile(const std::string& path) {
  // Opening does not wait for a pipe's writer.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::string bytes;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char buffer[4096];
  while (ok) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

bool ReplaceFileWhole(const std::string& path, const std::string& tempPath, std::string_view bytes,
                      const std::function<void()>& beforeMove) {
  const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool moved = false;
  try {
    moved = WriteAndMove(fd, path, tempPath, bytes, beforeMove);
  } catch (...) {
    unlink(tempPath.c_str());
    throw;
  }
  if (!moved) {
    unlink(tempPath.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  const int dir = open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

bool NothingAt(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

bool WritableFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && access(path.c_str(), W_OK | X_OK) == 0;
}

bool MakePrivateFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace platform
