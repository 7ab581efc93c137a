#pragma once

#include <cstdint>

namespace bench {
// Allocations made through operator new since the program started.
uint64_t Allocations();
}  // namespace bench
