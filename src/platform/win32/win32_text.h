#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The game's UTF-8 and Win32's UTF-16, at every call into the system.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace platform::win32
