#include <windows.h>

#include "platform/text_codec.h"
#include "platform/win32/win32_text.h"

namespace platform {

namespace {

constexpr UINT kCp932 = 932;

// One character at a time, so that a byte that does not convert becomes one
// '?' and the rest still convert, as the game's texts expect.
std::wstring Cp932ToWide(std::string_view cp932) {
  std::wstring out;
  for (size_t at = 0; at < cp932.size();) {
    const auto lead = static_cast<unsigned char>(cp932[at]);
    const bool pair = at + 1 < cp932.size() && IsDBCSLeadByteEx(kCp932, lead);
    wchar_t unit[2];
    const int n = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, cp932.data() + at, pair ? 2 : 1, unit, 2);
    if (n > 0) {
      out.append(unit, static_cast<size_t>(n));
      at += pair ? 2 : 1;
    } else {
      out += L'?';
      ++at;
    }
  }
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) { return win32::Utf8(Cp932ToWide(cp932)); }

std::string Utf8ToCp932(std::string_view utf8) {
  const std::wstring wide = win32::Wide(utf8);
  std::string out;
  for (size_t at = 0; at < wide.size();) {
    const bool pair = at + 1 < wide.size() && IS_HIGH_SURROGATE(wide[at]);
    const int units = pair ? 2 : 1;
    char bytes[4];
    BOOL defaulted = FALSE;
    const int n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data() + at, units, bytes, sizeof bytes,
                                      nullptr, &defaulted);
    if (n > 0 && !defaulted) {
      out.append(bytes, static_cast<size_t>(n));
    } else {
      out += '?';
    }
    at += static_cast<size_t>(units);
  }
  return out;
}

}  // namespace platform
