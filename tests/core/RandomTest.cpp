// The jewels a seed deals, against sequences worked out by hand.
#include "core/Random.h"
#include "tests/core/ScriptedHost.h"

#include <gtest/gtest.h>

namespace {

TEST(Random, ASeedDealsAFixedSequenceOfJewels) {
    struct Case {
        uint32_t seed;
        std::vector<int> kinds;
    } cases[] = {
        {12345, {3, 2, 1, 4, 4, 3, 3, 1, 1, 6, 6, 2}},
        {0, {1, 1, 6, 2, 2, 5, 2, 1, 3, 3, 1, 3}},
    };
    for (const auto& c : cases) {
        RandSeed = c.seed;
        std::vector<int> kinds;
        for (int i = 0; i < 12; ++i) {
            kinds.push_back(RandomJewel());
        }
        EXPECT_EQ(kinds, c.kinds) << "seed " << c.seed;
    }
}

TEST(Random, ADrawStaysBelowItsBoundForEveryState) {
    for (uint32_t seed : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu, 0xDEADBEEFu}) {
        RandSeed = seed;
        for (uint32_t n : {1u, 2u, 6u, 1000u, 0xFFFFFFFFu}) {
            EXPECT_LT(Random(n), n);
        }
    }
}

TEST(Random, EachGameIsSeededFromTheCounterOrElseTheTickCount) {
    struct Case {
        bool hasCounter;
        int64_t counter;
        uint32_t seed;
    } cases[] = {
        {true, 0x123456789ABCDEF0, 0x9ABCDEF0u}, // the low 32 bits
        {false, 0, ScriptedHost::StartTick},
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        host.HasCounter = c.hasCounter;
        host.Counter = c.counter;
        host.At(0, [] { GameOver = true; });
        host.NewGame();
        RandSeed = c.seed;
        uint8_t expected[6];
        for (auto& kind : expected) {
            kind = RandomJewel();
        }
        // First trio and next trio are drawn alternately.
        EXPECT_EQ(CurrentPiece[0], expected[0]);
        EXPECT_EQ(NextPiece[0], expected[1]);
        EXPECT_EQ(CurrentPiece[2], expected[4]);
        EXPECT_EQ(NextPiece[2], expected[5]);
    }
}

} // namespace
