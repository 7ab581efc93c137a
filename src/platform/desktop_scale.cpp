#include "platform/desktop_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace platform {

int32_t ScaleFromResources(std::string_view resources) {
  size_t at = 0;
  while (at < resources.size()) {
    const size_t end = std::min(resources.find('\n', at), resources.size());
    std::string_view line = resources.substr(at, end - at);
    at = end + 1;
    const std::string_view name = "Xft.dpi:";
    if (line.substr(0, name.size()) != name) continue;
    const std::string value(line.substr(name.size()));
    char* rest = nullptr;
    const double dpi = std::strtod(value.c_str(), &rest);
    if (rest == value.c_str() || !std::isfinite(dpi) || dpi <= 0) return 1;
    return static_cast<int32_t>(std::clamp(std::lround(dpi / 96.0), 1L, 8L));
  }
  return 1;
}

}  // namespace platform
