// The falling trio: where cells are drawn, when it lands, how it moves.
#include "tests/core/ScriptedHost.h"

#include <gtest/gtest.h>

namespace {

const char* const EmptyWell = R"(
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
    ......
    ......
    ......
)";

void PlaceTrio(int32_t col, int32_t row, uint8_t top, uint8_t middle, uint8_t bottom) {
    PieceCol = col;
    PieceRow = row;
    CurrentPiece[0] = top;
    CurrentPiece[1] = middle;
    CurrentPiece[2] = bottom;
}

TEST(DrawShape, PutsCellsAtTheirPixelsAndNothingVisibleAboveTheWell) {
    ScriptedHost host;
    struct Case {
        int32_t col, row;
        const char* call;
        int32_t screenRow; // 0: not on screen
    } cases[] = {
        {1, 1, "W 1 1 J 3", 1},
        {6, 13, "W 6 13 J 3", 13},
        {4, 0, "W 4 0 J 3", 0},
        {4, -2, "W 4 -2 J 3", 0},
    };
    for (const auto& c : cases) {
        host.Calls.clear();
        host.DrawShape(c.col, c.row, 3);
        EXPECT_EQ(host.Calls, std::vector<std::string>{c.call});
        if (c.screenRow > 0) {
            EXPECT_EQ(host.Screen[c.col][c.screenRow], '3');
        }
    }
}

TEST(PieceCollided, TestsTheCellUnderTheBottomJewel) {
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
        ......
        ..2...
        ..3...
    )");
    struct Case {
        int32_t col, row;
        bool collided;
    } cases[] = {
        {1, 11, true},  // bottom jewel in row 13: the floor
        {3, 9, true},   // resting on the jewel in row 12
        {3, 8, false},  // a free cell under it
        {4, -2, false}, // just spawned: row 1 is free
        {1, 10, false},
    };
    for (const auto& c : cases) {
        PlaceTrio(c.col, c.row, 1, 1, 1);
        EXPECT_EQ(host.PieceCollided(), c.collided) << c.col << "," << c.row;
    }
}

TEST(MovePieceDown, BlanksTheLeftCellAndDrawsTheTrioOneRowLower) {
    ScriptedHost host;
    SetWell(EmptyWell);
    PlaceTrio(4, -2, 1, 2, 3);
    host.MovePieceDown();
    EXPECT_EQ(PieceRow, -1);
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{"W 4 -2 J 0", "W 4 -1 J 1", "W 4 0 J 2", "W 4 1 J 3"}));
    EXPECT_EQ(host.Screen[4][1], '3'); // only the bottom jewel shows
}

TEST(SidewaysMoves, AboveTheWellOnlyTheColumnBoundsApply) {
    ScriptedHost host;
    SetWell(EmptyWell);
    for (int32_t c = 1; c <= 6; ++c) {
        Board[c][1] = 5; // would refuse every move if row 1 were tested
    }
    PlaceTrio(4, -2, 1, 2, 3);
    for (int i = 0; i < 4; ++i) {
        host.MovePieceLeft();
    }
    EXPECT_EQ(PieceCol, 1);
    for (int i = 0; i < 6; ++i) {
        host.MovePieceRight();
    }
    EXPECT_EQ(PieceCol, 6);
}

TEST(SidewaysMoves, ARefusedMoveDrawsNothing) {
    ScriptedHost host;
    SetWell(EmptyWell);
    PlaceTrio(1, 5, 1, 2, 3);
    host.MovePieceLeft();
    PlaceTrio(6, -2, 1, 2, 3);
    host.MovePieceRight();
    EXPECT_TRUE(host.Calls.empty());
}

TEST(SidewaysMoves, TestOnlyTheCellsInsideTheWell) {
    ScriptedHost host;
    struct Case {
        const char* name;
        int32_t row;      // top of a trio in column 3
        int32_t blockRow; // a jewel in column 2
        bool allowed;
    } cases[] = {
        {"after one step only row 1 is tested", -1, 1, false},
        {"after one step a jewel in row 2 is no obstacle", -1, 2, true},
        {"beside the bottom jewel", 8, 10, false},
        {"below the bottom jewel", 8, 11, true},
        {"beside the top jewel", 8, 8, false},
    };
    for (const auto& c : cases) {
        SetWell(EmptyWell);
        Board[2][c.blockRow] = 4;
        PlaceTrio(3, c.row, 1, 2, 3);
        host.MovePieceLeft();
        EXPECT_EQ(PieceCol, c.allowed ? 2 : 3) << c.name;
    }
}

TEST(SidewaysMoves, AnAllowedMoveBlanksAllThreeThenDrawsAllThree) {
    ScriptedHost host;
    SetWell(EmptyWell);
    PlaceTrio(3, 5, 1, 2, 3);
    host.MovePieceRight();
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"W 3 5 J 0", "W 3 6 J 0", "W 3 7 J 0",
                                                    "W 4 5 J 1", "W 4 6 J 2", "W 4 7 J 3"}));
}

TEST(RotatePiece, DownMovesTheBottomJewelToTheTopAndUpTheReverse) {
    ScriptedHost host;
    struct Case {
        bool down;
        uint8_t expected[3];
    } cases[] = {{true, {3, 1, 2}}, {false, {2, 3, 1}}};
    for (const auto& c : cases) {
        PlaceTrio(2, 4, 1, 2, 3);
        host.Calls.clear();
        host.RotatePiece(c.down);
        EXPECT_EQ(CurrentPiece[0], c.expected[0]);
        EXPECT_EQ(CurrentPiece[1], c.expected[1]);
        EXPECT_EQ(CurrentPiece[2], c.expected[2]);
        EXPECT_EQ(host.Calls.size(), 3u);
        host.RotatePiece(c.down);
        host.RotatePiece(c.down);
        EXPECT_EQ(CurrentPiece[0], 1);
        EXPECT_EQ(CurrentPiece[1], 2);
        EXPECT_EQ(CurrentPiece[2], 3);
    }
}

} // namespace
