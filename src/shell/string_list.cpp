#include "shell/string_list.h"

#include <charconv>

#include "platform/application.h"
#include "platform/file_system.h"
#include "platform/framework_error.h"
#include "platform/language/translation.h"
#include "platform/text/cp932.h"

namespace shell {

namespace {

platform::FrameworkError CannotOpen(const std::string& path) {
  return platform::FrameworkError(platform::Format(platform::Tr("File %s cannot be opened"), path));
}

// A line quoted in a message keeps its first 64 bytes, cut between
// characters, so that a huge line still makes a short message.
std::string Quoted(const std::string& line) {
  if (line.size() <= 64) return line;
  return line.substr(0, platform::Cp932CutLength(line, 64)) + "...";
}

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
  // waiting, or reading, for ever.
  const std::optional<std::string> bytes = platform::ReadPlainFile(path);
  if (!bytes) throw CannotOpen(path);
  SetText(*bytes);
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
  if (!platform::ReplaceFileWhole(path, TemporaryFileFor(path), bytes, beforeRename)) throw CannotCreate(path);
}

}  // namespace shell
