#include "game/random.h"

namespace game {

void SeedRandom(Random& random, uint32_t seed) { random.RandomState = seed; }

int32_t NextRandom(Random& random) {
  random.RandomState = random.RandomState * 22695477u + 1u;
  return static_cast<int32_t>((random.RandomState >> 16) & 0x7FFFu);
}

}  // namespace game
