// The program's pseudo-random generator: a 32-bit linear congruential generator (state × 214013 + 2531011,
// result bits 16-30). It is the one Windows' C library uses for rand(); having our own means every build,
// and every test, draws the same numbers from the same seed.
#pragma once

#include <cstdint>

constexpr int32_t RandomMax = 0x7FFF;

// Sets the generator's state.
void SeedRandom(uint32_t seed);

// Advances the state and returns a number 0-RandomMax.
int32_t DrawRandom();
