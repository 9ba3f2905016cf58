// Lines vanish, the jewels above fall, and chains score more.
#include "tests/core/ScriptedHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Empty rows above the given bottom rows (each ending in a line break).
std::string PadToWell(const std::string& bottomRows) {
    std::string well;
    const auto rows = static_cast<int>(std::count(bottomRows.begin(), bottomRows.end(), '\n'));
    for (int r = rows; r < WellRows; ++r) {
        well += "......\n";
    }
    return well + bottomRows;
}

struct CascadeResult {
    uint32_t score, jewels;
};

CascadeResult Resolve(ScriptedHost& host, const std::string& well) {
    SetWell(well);
    Score = 0;
    JewelCount = 0;
    Level = 1;
    Paused = false;
    PieceCol = 1;
    PieceRow = 1;
    host.CheckLines();
    return {Score, JewelCount};
}

// One shape of one kind in the bottom rows of an empty well; nothing is left
// after it has gone, so the call makes exactly one pass that finds lines.
TEST(CheckLines, CountsTestsAsMatchesAndCellsAsRemovedJewels) {
    struct Case {
        const char* shape;
        const char* bottomRows; // the lowest rows of the well
        uint32_t score, jewels;
    } cases[] = {
        {"three in a row", "111...\n", 30, 3},
        {"three in a column", "2.....\n2.....\n2.....\n", 30, 3},
        {"three on a falling diagonal", "3.....\n.3....\n..3...\n", 30, 3},
        {"three on a rising diagonal", "..4...\n.4....\n4.....\n", 30, 3},
        {"four in a row", ".5555.\n", 60, 4},
        {"five in a row", "55555.\n", 90, 5},
        {"a whole row of six", "666666\n", 120, 6},
        {"four in a column", "1.....\n1.....\n1.....\n1.....\n", 60, 4},
        {"a plus", ".1....\n111...\n.1....\n", 60, 5},
        {"an X", "1.1...\n.1....\n1.1...\n", 60, 5},
        {"an L", "2.....\n2.....\n222...\n", 60, 5},
        {"a 3 x 3 block", "333...\n333...\n333...\n", 240, 9},
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        const auto result = Resolve(host, PadToWell(c.bottomRows));
        EXPECT_EQ(result.score, c.score) << c.shape;
        EXPECT_EQ(result.jewels, c.jewels) << c.shape;
        EXPECT_EQ(host.CallsStartingWith("sleep").size(), 7u) << c.shape;
    }
}

TEST(CheckLines, FindsLinesAlongTheBorder) {
    const char* wells[] = {
        // a column at the left wall, down to the floor
        "......\n......\n......\n......\n......\n......\n......\n......\n......\n......\n"
        "1.....\n1.....\n1.....",
        // a row at the right wall, on the floor
        "......\n......\n......\n......\n......\n......\n......\n......\n......\n......\n"
        "......\n......\n...222",
        // a row under the ceiling, held up by other jewels
        "...333\n...514\n...241\n...244\n...122\n...424\n...454\n...551\n...145\n...452\n"
        "...414\n...251\n...215",
        // a diagonal from the ceiling to the right wall
        "...6..\n...46.\n...226\n...414\n...151\n...224\n...511\n...515\n...454\n...451\n"
        "...515\n...442\n...414",
    };
    for (const char* well : wells) {
        ScriptedHost host;
        EXPECT_EQ(Resolve(host, well).jewels, 3u) << well;
    }
}

TEST(CheckLines, AChainMultipliesEachPassByItsNumber) {
    ScriptedHost host;
    const auto result = Resolve(host, R"(
        ......
        ......
        ......
        ......
        ......
        ......
        ......
        ......
        ......
        ..2...
        ..5...
        ..5...
        225...
    )");
    EXPECT_EQ(result.score, 30u + 60u);
    EXPECT_EQ(result.jewels, 6u);
    EXPECT_EQ(WellText(), PadToWell(""));
    EXPECT_EQ(host.CallsStartingWith("sleep").size(), 14u);
}

// Two separated lines go at once, with a full column above both: every jewel
// must land where the model says, and the screen must show exactly the model
// (no ghost left in the rows that emptied at the top).
TEST(CheckLines, TheFallAfterTwoSeparatedLinesMatchesOnScreenAndInTheModel) {
    ScriptedHost host;
    const auto result = Resolve(host, R"(
        1.....
        2.....
        1.....
        2.....
        1.....
        2.....
        666...
        134...
        243...
        134...
        243...
        134...
        555...
    )");
    EXPECT_EQ(result.score, 60u);
    EXPECT_EQ(result.jewels, 6u);
    const std::string expected = "......\n"
                                 "......\n"
                                 "1.....\n"
                                 "2.....\n"
                                 "1.....\n"
                                 "2.....\n"
                                 "1.....\n"
                                 "2.....\n"
                                 "134...\n"
                                 "243...\n"
                                 "134...\n"
                                 "243...\n"
                                 "134...\n";
    EXPECT_EQ(WellText(), expected);
    EXPECT_EQ(host.ScreenRows(), expected);
    for (int c = 0; c <= 7; ++c) {
        EXPECT_EQ(Board[c][0], CellWall);
        EXPECT_EQ(Board[c][14], CellWall);
    }

    // Each frame: the waiting events first, then the marked cells row by row,
    // then the pause; afterwards the whole well column by column.
    std::vector<std::string> expectedCalls;
    for (int f = 1; f <= 7; ++f) {
        expectedCalls.push_back("events");
        for (int r : {7, 13}) {
            for (int c = 1; c <= 3; ++c) {
                expectedCalls.push_back("W " + std::to_string(c) + " " + std::to_string(r) + " V " +
                                        std::to_string(f));
            }
        }
        expectedCalls.push_back("sleep 40");
    }
    for (int c = 1; c <= 6; ++c) {
        for (int r = 1; r <= 13; ++r) {
            expectedCalls.push_back("W " + std::to_string(c) + " " + std::to_string(r) + " J " +
                                    std::to_string(Board[c][r]));
        }
    }
    EXPECT_EQ(host.Calls, expectedCalls);
}

TEST(CheckLines, AWellWithoutLinesIsLeftAloneAtOnce) {
    ScriptedHost host;
    SetWell(R"(
        ......
        ......
        ......
        ......
        ......
        ......
        ......
        ......
        ......
        ......
        12....
        21....
        12.12.
    )");
    Score = 7;
    JewelCount = 8;
    Level = 1;
    DropDelay = 500;
    const std::string before = WellText();
    host.CheckLines();
    EXPECT_EQ(WellText(), before);
    EXPECT_EQ(Score, 7u);
    EXPECT_EQ(JewelCount, 8u);
    EXPECT_EQ(Level, 1u);
    EXPECT_EQ(DropDelay, 500);
    EXPECT_TRUE(host.Calls.empty());
}

TEST(CheckLines, WhilePausedTheFramesAreDrawnButTheWellIsNotRedrawn) {
    ScriptedHost host;
    SetWell(PadToWell("111...\n"));
    Paused = true;
    host.CheckLines();
    Paused = false;
    EXPECT_EQ(host.CallsStartingWith("W").size(), 7u * 3u);
    EXPECT_EQ(host.ScreenRows().substr(12 * 7, 3), "ggg");
}

// Level and step interval after a pass of three jewels, from a given count.
TEST(CheckLines, SetsLevelAndStepIntervalFromTheJewelCount) {
    struct Case {
        uint32_t before;
        int32_t speed, levelChange;
        uint32_t level;
        int32_t delay;
    } cases[] = {
        {0, 10, 35, 1, 500},
        {31, 10, 35, 1, 500},
        {32, 10, 35, 2, 450},
        {33, 10, 35, 2, 450},
        {67, 10, 35, 3, 400},
        {346, 10, 35, 10, 50},
        {0, 1, 35, 1, 1400},
        {32, 1, 35, 2, 1260},
        {137, 1, 35, 5, 840},
        {346, 1, 35, 10, 140},
        {0, 5, 35, 1, 1000},
        {32, 5, 35, 2, 900},
        {137, 5, 35, 5, 600},
        {346, 5, 35, 10, 100},
        // The level follows the setting the player sees.
        {33, 10, 50, 1, 500},
        {47, 10, 50, 2, 450},
        {7, 10, 10, 2, 450},
        {7, 10, 5, 2, 450},
        {86, 10, 90, 1, 500},
        {87, 10, 1000, 2, 450},
        // From level 11 on the pace stays at level 10's.
        {347, 10, 35, 11, 50},
        {1000, 1, 35, 29, 140},
        {4000, 10, 10, 401, 50},
        // Speeds only a hand-edited profile holds are taken at the nearest end.
        {0, 0, 35, 1, 1400},
        {0, -7, 35, 1, 1400},
        {0, 15, 35, 1, 500},
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        SetWell(PadToWell("222...\n"));
        Score = 0;
        JewelCount = c.before;
        Level = 1;
        host.Speed = c.speed;
        host.LevelChange = c.levelChange;
        host.CheckLines();
        EXPECT_EQ(Level, c.level) << c.before << " speed " << c.speed << " per " << c.levelChange;
        EXPECT_EQ(DropDelay, c.delay)
            << c.before << " speed " << c.speed << " per " << c.levelChange;
        EXPECT_EQ(host.Speed, c.speed); // the stored value is left as it was
    }
}

} // namespace
