#pragma once

#include <cstdint>
#include <span>

namespace shell {

// The companion dialog's two pictures, built into the program as 8-bit
// Windows bitmaps: the start picture (350 x 200) and the panel picture
// (96 x 46). platform::DecodeBitmap reads them.
std::span<const uint8_t> StartPictureBitmap();
std::span<const uint8_t> PanelPictureBitmap();

}  // namespace shell
