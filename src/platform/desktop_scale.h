#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// The whole factor a high-density desktop asks for, from the X resources as
// GTK and Qt read them: round(Xft.dpi / 96), at least 1; 1 without Xft.dpi.
int32_t ScaleFromResources(std::string_view resources);

}  // namespace platform
