#pragma once

#include <cstdint>

namespace game {

// The one generator of the game, shared by board making and hint flashes.
struct Random {
  uint32_t RandomState = 0;
};

void SeedRandom(Random& random, uint32_t seed);
// A value 0..32767.
int32_t NextRandom(Random& random);

}  // namespace game
