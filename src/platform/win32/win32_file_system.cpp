#include <windows.h>

#include "platform/file_system.h"
#include "platform/win32/win32_text.h"

namespace platform {

namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Open() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  bool Close() {
    const bool closed = !Open() || CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE h_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool WriteAndMove(const std::wstring& path, const std::wstring& tempPath, std::string_view bytes,
                  const std::function<void()>& beforeMove) {
  Handle temp(CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!temp.Open()) return false;
  const bool written = WriteAll(temp.Get(), bytes) && FlushFileBuffers(temp.Get());
  if (!temp.Close() || !written) return false;
  if (beforeMove) beforeMove();
  return MoveFileExW(tempPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

std::optional<std::string> ReadPlainFile(const std::string& path) {
  Handle file(CreateFileW(win32::Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  // A folder does not open without backup semantics; a pipe or a device is no disk file.
  if (!file.Open() || GetFileType(file.Get()) != FILE_TYPE_DISK) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr)) return std::nullopt;
    if (n == 0) break;
    bytes.append(buffer, n);
  }
  return bytes;
}

bool ReplaceFileWhole(const std::string& path, const std::string& tempPath, std::string_view bytes,
                      const std::function<void()>& beforeMove) {
  const std::wstring temp = win32::Wide(tempPath);
  bool moved = false;
  try {
    moved = WriteAndMove(win32::Wide(path), temp, bytes, beforeMove);
  } catch (...) {
    DeleteFileW(temp.c_str());
    throw;
  }
  if (!moved) DeleteFileW(temp.c_str());
  return moved;
}

bool NothingAt(const std::string& path) {
  if (GetFileAttributesW(win32::Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WritableFolder(const std::string& path) {
  const std::wstring folder = win32::Wide(path);
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return false;
  // Windows tells a folder's rights only by trying them: a file made there
  // and gone again as it is closed.
  const std::wstring probe = folder + L"\\lumora-" + std::to_wstring(GetCurrentProcessId()) + L".probe";
  Handle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return file.Open();
}

bool MakePrivateFolders(const std::string& path) {
  // A new folder under the player's profile takes the profile's rights, which
  // are the player's own.
  const std::wstring wide = win32::Wide(path);
  // Parts that are there already, a drive or a share among them, fail harmlessly.
  for (size_t at = wide.find_first_of(L"\\/", 1); at != std::wstring::npos; at = wide.find_first_of(L"\\/", at + 1))
    CreateDirectoryW(wide.substr(0, at).c_str(), nullptr);
  CreateDirectoryW(wide.c_str(), nullptr);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace platform
