#pragma once

// Marks a pixel loop to be built twice on x86-64, for AVX2 and for the plain
// instruction set, the one chosen when the program loads: twice the pixels a
// step on most machines, and the same program everywhere.
#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define LUMORA_WIDE_LANES gnu::target_clones("avx2", "default")
#endif
#endif
#ifndef LUMORA_WIDE_LANES
#define LUMORA_WIDE_LANES
#endif
