#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace platform {

// Texts already drawn, kept as the pixels of their boxes. A game draws the
// same few texts in the same colours frame after frame, and copying a box's
// rows is far cheaper than putting its glyphs together again. The store is
// made once: keeping a new strip never allocates.
class TextStrips {
 public:
  struct Strip {
    std::array<char, 64> text{};
    size_t length = 0;
    uint16_t ink = 0;
    uint16_t paper = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint64_t lastUse = 0;
    // width x height pixels, row after row.
    uint16_t* pixels = nullptr;
  };

  TextStrips();

  // The kept strip of the text in these colours, or null.
  const Strip* Find(std::string_view text, uint16_t ink, uint16_t paper);
  // Room for the text's strip, in place of the one unused longest, for the
  // caller to fill; null when a text that long or a box that large is not
  // kept.
  Strip* Make(std::string_view text, uint16_t ink, uint16_t paper, int32_t width, int32_t height);

 private:
  // A menu, a title panel and a score board fit many times over.
  std::array<Strip, 32> strips_;
  // 32 KB a strip; pages the strips never reach are never touched.
  std::unique_ptr<uint16_t[]> pixels_;
  uint64_t uses_ = 0;
};

}  // namespace platform
