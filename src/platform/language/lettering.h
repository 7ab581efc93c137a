#pragma once

#include <cstdint>

namespace platform {

// The half-width cell to ask of a proportional face `height` pixels tall.
// Japanese words are full-width and keep the face's own cell (0); English
// letters get a cell as wide as the face is tall, since a letter wider than
// its cell (m, w) loses its right side.
int32_t ProportionalHalfWidth(int32_t height);

}  // namespace platform
