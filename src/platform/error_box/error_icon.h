#pragma once

#include <cstdint>
#include <span>

namespace platform {

// The error box's icon, 32 x 32, built into the program as an 8-bit Windows
// bitmap by the art generator; DecodeBitmap reads it.
std::span<const uint8_t> ErrorIconBitmap();

}  // namespace platform
