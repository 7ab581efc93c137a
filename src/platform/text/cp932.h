#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// One character of a CP932 text: its code (the byte, or lead << 8 | trail)
// and how many bytes it takes. Two-byte characters fill a full-width cell.
struct Cp932Char {
  uint16_t code = 0;
  uint8_t bytes = 1;
  bool IsFullWidth() const { return bytes == 2; }
};

constexpr bool IsCp932Lead(uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
constexpr bool IsCp932Trail(uint8_t byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// The character starting at `pos` (which must be inside the text). A lead
// byte with no trail byte after it stands alone, in a half-width cell.
constexpr Cp932Char NextCp932Char(std::string_view text, size_t pos) {
  const auto lead = static_cast<uint8_t>(text[pos]);
  if (IsCp932Lead(lead) && pos + 1 < text.size()) {
    const auto trail = static_cast<uint8_t>(text[pos + 1]);
    if (IsCp932Trail(trail)) return {static_cast<uint16_t>(lead << 8 | trail), 2};
  }
  return {lead, 1};
}

// The length of the longest start of the text that holds whole characters
// only and is at most `maxBytes` long.
constexpr size_t Cp932CutLength(std::string_view text, size_t maxBytes) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t next = pos + NextCp932Char(text, pos).bytes;
    if (next > maxBytes) break;
    pos = next;
  }
  return pos;
}

}  // namespace platform
