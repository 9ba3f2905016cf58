#include "core/Random.h"

#include "core/GameState.h"

uint32_t RandSeed;

uint32_t Random(uint32_t n) {
    RandSeed = RandSeed * 0x08088405u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(RandSeed) * n) >> 32);
}

uint8_t RandomJewel() {
    return static_cast<uint8_t>(1 + Random(JewelKinds));
}
