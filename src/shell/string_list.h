#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework_error.h"

namespace shell {

// Text lines as the state files keep them: read with CR, LF or CR LF line
// ends up to a NUL, written with CR LF after every line.
class StringList {
 public:
  size_t Count() const { return lines_.size(); }
  void Clear() { lines_.clear(); }

  // The line at `index`; a line the list does not hold is the framework's
  // index error.
  const std::string& Line(int32_t index) const;
  // Replaces the line at `index`, first padding a short list with empty lines.
  void SetLine(int32_t index, std::string text);

  void SetText(std::string_view bytes);
  std::string Text() const;

  void LoadFromFile(const std::string& path);
  // Replaces the file whole or not at all.
  void SaveToFile(const std::string& path) const;

 private:
  std::vector<std::string> lines_;
};

// The whole line as a decimal int32, or the framework's "not a number" error.
int32_t StrToInt(const std::string& text);

// The framework's "ﾌｧｲﾙ %s を作成できません" for `path`.
platform::FrameworkError CannotCreate(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and
// renames it over `path`, so a crash or a full disk leaves the old file whole.
// `beforeRename` runs once the temporary file is complete.
void ReplaceFile(const std::string& path, std::string_view bytes, const std::function<void()>& beforeRename = {});

// The temporary file that ReplaceFile writes for `path`.
std::string TemporaryFileFor(const std::string& path);

}  // namespace shell
