#include "platform/text_codec.h"

namespace platform {

std::optional<char32_t> Cp932CodePoint(std::string_view oneChar) {
  const std::string utf8 = Cp932ToUtf8(oneChar);
  // The converter marks what it cannot convert with '?'.
  if (utf8.empty() || (utf8 == "?" && oneChar != "?")) return std::nullopt;
  const auto byte = [&utf8](size_t i) { return static_cast<uint8_t>(utf8[i]); };
  const uint8_t lead = byte(0);
  const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (utf8.size() != length) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) code = code << 6 | (byte(i) & 0x3F);
  return code;
}

}  // namespace platform
