#include <windows.h>

#include <string>

#include "platform/application.h"
#include "platform/win32/win32_text.h"

namespace platform {

std::string RunningExecutablePath() {
  // A path longer than MAX_PATH is cut to fit; the buffer grows until it is not.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return ".\\lumora.exe";
    if (n < buffer.size()) return win32::Utf8(std::wstring_view(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
