#pragma once

// Marks a pixel loop to be built twice on x86-64, for AVX2 and for the plain
// instruction set, the one chosen when the program loads: twice the pixels a
// step on most machines, and the same program everywhere. Clang takes the
// attribute neither on templates nor beside noinline, so it builds one loop.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define LUMORA_WIDE_LANES gnu::target_clones("avx2", "default")
#endif
#ifndef LUMORA_WIDE_LANES
#define LUMORA_WIDE_LANES
#endif
