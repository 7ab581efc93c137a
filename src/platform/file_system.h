#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The file calls the state files need, on UTF-8 paths: POSIX's (posix/) or
// Win32's wide ones (win32/).

// A plain file's whole contents; none where it cannot be opened or is not a
// plain file: a pipe or a device could keep the game waiting, or reading,
// for ever.
std::optional<std::string> ReadPlainFile(const std::string& path);

// Writes `bytes` to `tempPath`, makes them reach the disk, and moves the file
// over `path`, so that a crash or a power cut leaves either the old file or
// the new one whole. The new file keeps the old one's permissions.
// `beforeMove` runs once the bytes are on disk. False, with the temporary
// file gone, when any step fails.
bool ReplaceFileWhole(const std::string& path, const std::string& tempPath, std::string_view bytes,
                      const std::function<void()>& beforeMove);

// Nothing at all is at `path`, not even a dangling link.
bool NothingAt(const std::string& path);
// `path` is a folder the game may make files in.
bool WritableFolder(const std::string& path);
// Makes the folder and its parents, new ones private to the player; true
// when it is a folder at the end.
bool MakePrivateFolders(const std::string& path);

}  // namespace platform
