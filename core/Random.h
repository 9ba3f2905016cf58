// The game's random numbers: a 32-bit linear congruential generator, so that
// one seed always deals the same jewels.
#pragma once

#include <cstdint>

extern uint32_t RandSeed;

// A number below n (n > 0), from the high bits of seed * n.
uint32_t Random(uint32_t n);

// A jewel kind, 1..6.
uint8_t RandomJewel();
