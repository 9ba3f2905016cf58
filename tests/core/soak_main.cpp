// soak: random games on the scripted host for a long time, every invariant
// checked after each call the game makes. Meant for a sanitizer build; not
// part of the quick tests.
//
//   soak [MIN_LANDINGS [SEED]]     defaults: 1000000 landings, seed 20261210
#include "tests/core/Soak.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const unsigned long long minLandings = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const auto seed =
        static_cast<uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20261210);
    const auto start = std::chrono::steady_clock::now();
    const SoakResult result = RunSoak(seed, minLandings);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("soak: seed %u: %llu games, %llu landings, %llu commands in %.0f s\n",
                static_cast<unsigned>(seed), static_cast<unsigned long long>(result.games),
                static_cast<unsigned long long>(result.landings),
                static_cast<unsigned long long>(result.commands), elapsed.count());
    if (!result.failure.empty()) {
        std::printf("soak: FAILED: %s\n", result.failure.c_str());
        return 1;
    }
    return 0;
}
