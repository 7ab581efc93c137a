#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/font.h"

namespace platform {

// The CP932 text in lines no wider than `width` as `font` measures them. The
// text's own line ends (CR, LF, CR LF) stay. A word of printable ASCII, such
// as a path, goes whole to the next line when it does not fit, and is broken
// only where it is wider than a line by itself; any other character may
// start a line. Spaces where a line breaks are dropped. Time grows with the
// text's length only.
std::vector<std::string> WrapText(std::string_view cp932, int32_t width, const Font& font);

}  // namespace platform
