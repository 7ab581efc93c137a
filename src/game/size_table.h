#pragma once

#include <cstdint>

namespace game {

struct BoardSize {
  const char* Label;
  int32_t BoardFirst;
  int32_t BoardEnd;
  int32_t StartingPoints;
};

// The four boards, centred in the 20 x 20 field, by SizeIndex.
inline constexpr BoardSize SizeTable[4] = {
    {"6x6", 7, 13, 100},
    {"10x10", 5, 15, 250},
    {"14x14", 3, 17, 500},
    {"20x20", 0, 20, 1000},
};

inline bool ValidSizeIndex(int32_t sizeIndex) { return sizeIndex >= 0 && sizeIndex <= 3; }

}  // namespace game
