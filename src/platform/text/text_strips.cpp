#include "platform/text/text_strips.h"

#include <algorithm>

namespace platform {

TextStrips::TextStrips() : pixels_(new uint16_t[strips_.size() * 16384]) {
  for (size_t i = 0; i < strips_.size(); ++i) strips_[i].pixels = pixels_.get() + i * 16384;
}

const TextStrips::Strip* TextStrips::Find(std::string_view text, uint16_t ink, uint16_t paper) {
  for (Strip& strip : strips_) {
    if (strip.width > 0 && strip.ink == ink && strip.paper == paper &&
        std::string_view(strip.text.data(), strip.length) == text) {
      strip.lastUse = ++uses_;
      return &strip;
    }
  }
  return nullptr;
}

TextStrips::Strip* TextStrips::Make(std::string_view text, uint16_t ink, uint16_t paper, int32_t width,
                                    int32_t height) {
  if (text.size() > 64 || width <= 0 || height <= 0 || int64_t{width} * height > 16384) return nullptr;
  Strip& strip = *std::min_element(strips_.begin(), strips_.end(),
                                   [](const Strip& a, const Strip& b) { return a.lastUse < b.lastUse; });
  std::copy(text.begin(), text.end(), strip.text.begin());
  strip.length = text.size();
  strip.ink = ink;
  strip.paper = paper;
  strip.width = width;
  strip.height = height;
  strip.lastUse = ++uses_;
  return &strip;
}

}  // namespace platform
