// Random games on the scripted host with every invariant checked after each
// call the game makes; shared by the quick test and the long soak program.
#pragma once

#include <cstdint>
#include <string>

struct SoakResult {
    uint64_t games = 0;
    uint64_t landings = 0;
    uint64_t commands = 0;
    std::string failure; // empty when every invariant held
};

// Plays games until at least minLandings trios have landed (and at least one
// game has been played). The same seed replays the same games.
SoakResult RunSoak(uint32_t seed, uint64_t minLandings);
