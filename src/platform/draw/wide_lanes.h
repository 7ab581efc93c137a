#pragma once

// Marks a pixel loop to be built twice on x86-64, for AVX2 and for the plain
// instruction set, the one chosen when the program loads: twice the pixels a
// step on most machines, and the same program everywhere. Clang takes the
// attribute neither on templates nor beside noinline, so it builds one loop.
// GCC at -O2, as the everyday build is made, leaves such loops one pixel a
// step; -O3 here makes them wide in every build.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(_WIN32)
#define LUMORA_WIDE_LANES gnu::target_clones("avx2", "default"), gnu::optimize("O3")
#endif
#ifndef LUMORA_WIDE_LANES
#define LUMORA_WIDE_LANES
#endif
