#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The game keeps its texts as CP932 bytes; these convert at the edges (source
// literals, rendering, message boxes). Bytes that do not convert become '?'.
std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);
// The code point of one CP932 character (one or two bytes); none for bytes
// that name no character.
std::optional<char32_t> Cp932CodePoint(std::string_view oneChar);

}  // namespace platform
