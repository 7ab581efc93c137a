#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// The game keeps paths as UTF-8; a path made from one reaches the system as
// its own kind of name (wide on Windows), whatever the machine's code page.
inline std::filesystem::path Utf8Path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A file or folder inside `folder` (which ends in a separator), named with
// '/' between its parts: the parts joined by the system's own separator, so
// that a path in a message reads as the system writes paths.
inline std::string InFolder(const std::string& folder, std::string relative) {
  for (char& c : relative) {
    if (c == '/') c = static_cast<char>(std::filesystem::path::preferred_separator);
  }
  return folder + relative;
}

// And back.
inline std::string PathUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace platform
