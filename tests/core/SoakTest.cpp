// Random play must never break the well, lose the trio, or hang.
#include "tests/core/Soak.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Soak, RandomGamesKeepEveryInvariant) {
    uint32_t seed = 20261210;
    if (const char* replay = std::getenv("BRINDLEX_SOAK_SEED")) {
        seed = static_cast<uint32_t>(std::strtoul(replay, nullptr, 10));
    }
    for (uint32_t s = seed; s < seed + 4; ++s) {
        const SoakResult result = RunSoak(s, 2000);
        EXPECT_EQ(result.failure, "") << "replay with BRINDLEX_SOAK_SEED=" << s;
        EXPECT_GE(result.landings, 2000u);
    }
}

} // namespace
