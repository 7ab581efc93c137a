#include "shell/string_list.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "platform/application.h"
#include "platform/framework_error.h"
#include "platform/language/translation.h"
#include "platform/text/cp932.h"

namespace shell {

namespace {

platform::FrameworkError CannotOpen(const std::string& path) {
  return platform::FrameworkError(platform::Format(platform::Tr("File %s cannot be opened"), path));
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// A line quoted in a message keeps its first 64 bytes, cut between
// characters, so that a huge line still makes a short message.
std::string Quoted(const std::string& line) {
  if (line.size() <= 64) return line;
  return line.substr(0, platform::Cp932CutLength(line, 64)) + "...";
}

// Removes the temporary file unless the rename has taken it.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (fd_ >= 0) close(fd_);
    if (!renamed_) unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int& Fd() { return fd_; }
  void Renamed() { renamed_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  bool renamed_ = false;
};

}  // namespace

const std::string& StringList::Line(int32_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= lines_.size()) {
    throw platform::FrameworkError(
        platform::Format(platform::Tr("List index out of bounds (%s)"), std::to_string(index)));
  }
  return lines_[static_cast<size_t>(index)];
}

void StringList::SetLine(int32_t index, std::string text) {
  if (index < 0) return;
  if (static_cast<size_t>(index) >= lines_.size()) lines_.resize(static_cast<size_t>(index) + 1);
  lines_[static_cast<size_t>(index)] = std::move(text);
}

void StringList::SetText(std::string_view bytes) {
  lines_.clear();
  bytes = bytes.substr(0, bytes.find('\0'));
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines_.emplace_back(bytes.substr(start));
      break;
    }
    lines_.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
}

std::string StringList::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void StringList::LoadFromFile(const std::string& path) {
  // Only a plain file is read: a pipe or a device could keep the game
  // waiting, or reading, for ever. Opening does not wait for a pipe's writer.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw CannotOpen(path);
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    throw CannotOpen(path);
  }
  std::string bytes;
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      close(fd);
      throw CannotOpen(path);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  SetText(bytes);
}

void StringList::SaveToFile(const std::string& path) const { ReplaceFile(path, Text()); }

int32_t StrToInt(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  // from_chars takes no plus sign; it is still a number.
  if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) {
    throw platform::FrameworkError(platform::Format(platform::Tr("'%s' is not a number"), Quoted(text)));
  }
  return value;
}

platform::FrameworkError CannotCreate(const std::string& path) {
  return platform::FrameworkError(platform::Format(platform::Tr("File %s cannot be created"), path));
}

std::string TemporaryFileFor(const std::string& path) { return path + ".tmp"; }

void ReplaceFile(const std::string& path, std::string_view bytes, const std::function<void()>& beforeRename) {
  const std::string tempPath = TemporaryFileFor(path);
  TemporaryFile temp(tempPath);
  temp.Fd() = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (temp.Fd() < 0) throw CannotCreate(path);
  // The new file keeps the permissions the player gave the old one.
  struct stat old {};
  if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) fchmod(temp.Fd(), old.st_mode & 07777);
  if (!WriteAll(temp.Fd(), bytes) || fsync(temp.Fd()) != 0) throw CannotCreate(path);
  const int fd = temp.Fd();
  temp.Fd() = -1;
  if (close(fd) != 0) throw CannotCreate(path);
  if (beforeRename) beforeRename();
  if (rename(tempPath.c_str(), path.c_str()) != 0) throw CannotCreate(path);
  temp.Renamed();
  // The rename itself reaches the disk with the folder.
  const int dir = open(platform::DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
}

}  // namespace shell
