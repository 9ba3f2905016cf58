// Whole games on the scripted host: start, steps, landings, pause, the end.
#include "core/Random.h"
#include "core/VirtualKeys.h"
#include "tests/core/ScriptedHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Cell(int c, int r, char table, int index) {
    return "W " + std::to_string(c) + " " + std::to_string(r) + " " + table + " " +
           std::to_string(index);
}

// Records the virtual time of every change of PieceRow after the spawn.
struct StepLog {
    explicit StepLog(ScriptedHost& host) : FHost(host) {
        PieceRow = FLastRow;
        host.AfterEachCall = [this] {
            if (PieceRow != FLastRow) {
                FLastRow = PieceRow;
                Times.push_back(FHost.Now());
                Rows.push_back(PieceRow);
            }
        };
    }
    ScriptedHost& FHost;
    int32_t FLastRow = -2;
    std::vector<uint64_t> Times;
    std::vector<int32_t> Rows;
};

const char* const Column4UpToRow4 = R"(
    ......
    ......
    ......
    ...4..
    ...5..
    ...4..
    ...5..
    ...4..
    ...5..
    ...4..
    ...5..
    ...4..
    ...5..
)";

void SetTrios(uint8_t a, uint8_t b, uint8_t c, uint8_t next) {
    CurrentPiece[0] = a;
    CurrentPiece[1] = b;
    CurrentPiece[2] = c;
    NextPiece[0] = NextPiece[1] = NextPiece[2] = next;
}

TEST(NewGame, StartsByBlankingTheWellThenShowsTheTriosAndCounters) {
    ScriptedHost host;
    host.At(0, [] { GameOver = true; });
    host.NewGame();

    std::vector<std::string> expected;
    for (int c = 1; c <= 6; ++c) {
        for (int r = 1; r <= 13; ++r) {
            expected.push_back(Cell(c, r, 'J', 0));
        }
    }
    expected.insert(expected.end(), {"menu game", "clear", "counters 0 0 1"});
    for (int i = 0; i < 3; ++i) {
        expected.push_back("P " + std::to_string(i) + " J " + std::to_string(NextPiece[i]));
    }
    expected.insert(expected.end(), {"events", "wait", "events"});
    ASSERT_GE(host.Calls.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(host.Calls.begin(),
                                       host.Calls.begin() + static_cast<long>(expected.size())),
              expected);
    EXPECT_EQ(host.Calls.back(), "menu idle");
    EXPECT_EQ(PieceCol, 4);
    EXPECT_EQ(PieceRow, -2);
    EXPECT_EQ(Level, 1u);
    EXPECT_EQ(DropDelay, 500);
}

TEST(NewGame, EndsWithDiagonalStripesThenResetsTheMenu) {
    ScriptedHost host;
    host.At(0, [] { GameOver = true; });
    host.NewGame();
    EXPECT_EQ(host.ScreenRows(), "345612\n456123\n561234\n612345\n123456\n234561\n345612\n"
                                 "456123\n561234\n612345\n123456\n234561\n345612\n");
    const auto calls = host.Calls;
    const auto idle = std::find(calls.begin(), calls.end(), "menu idle");
    ASSERT_NE(idle, calls.end());
    EXPECT_EQ(*(idle - 1), Cell(6, 13, 'J', 2)); // the stripes, column by column, come first
    EXPECT_EQ(*(idle - 78), Cell(1, 1, 'J', 3));
    EXPECT_EQ(*(idle - 79), "events"); // one more dispatch after the loop
    EXPECT_FALSE(host.GameMenuOn);
    EXPECT_FALSE(host.GameRunning());
}

// The setting is used as the settings window shows it, clamped into 0..10;
// the stored value is left as it is.
TEST(NewGame, PreFillsTheBottomRowsFromTheSeed) {
    struct Case {
        int32_t setting;
        int rows; // rows filled
    } cases[] = {{0, 0}, {1, 1}, {4, 4}, {10, 10}, {11, 10}, {13, 10}, {50, 10}, {-3, 0}};
    for (const auto& c : cases) {
        ScriptedHost host;
        host.StartingHeight = c.setting;
        host.At(0, [] { GameOver = true; });
        host.NewGame();
        for (int r = 1; r <= 13; ++r) {
            for (int col = 1; col <= 6; ++col) {
                EXPECT_EQ(Board[col][r] != CellEmpty, r > 13 - c.rows)
                    << "setting " << c.setting << " cell " << col << "," << r;
            }
        }
        EXPECT_EQ(host.StartingHeight, c.setting);
        if (c.rows > 0) {
            // Bottom row first, left to right, straight from the generator.
            RandSeed = static_cast<uint32_t>(host.Counter);
            const int first = RandomJewel();
            const int second = RandomJewel();
            EXPECT_EQ(host.Calls[78], Cell(1, 13, 'J', first));
            EXPECT_EQ(host.Calls[79], Cell(2, 13, 'J', second));
        }
    }
}

TEST(NewGame, TheSameSeedDealsTheSameGame) {
    std::vector<std::string> first;
    for (int run = 0; run < 2; ++run) {
        ScriptedHost host;
        host.StartingHeight = 5;
        host.Counter = 777;
        for (uint64_t t = 100; t < 60000; t += 370) {
            host.KeyAt(t, t % 3 == 0 ? VK_LEFT : (t % 3 == 1 ? VK_RIGHT : VK_CONTROL));
        }
        host.NewGame();
        if (run == 0) {
            first = host.Calls;
        } else {
            EXPECT_EQ(host.Calls, first);
        }
    }
}

TEST(DropLoop, StepsEveryDropDelayAcrossTheWrapOfTheTickCount) {
    ScriptedHost host;
    host.WakeEarly = true;
    StepLog steps(host);
    host.At(7000, [] { GameOver = true; });
    host.NewGame();
    // The tick count wraps 4 seconds in, between the eighth and ninth step.
    ASSERT_GE(steps.Times.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(steps.Times[i], 500 * (i + 1)) << "step " << i;
        EXPECT_EQ(steps.Rows[i], -1 + static_cast<int32_t>(i));
    }
}

TEST(DropLoop, WithPlainWaitsAStepComesAtTheFirstTurnPastTheDelay) {
    ScriptedHost host;
    StepLog steps(host);
    host.At(1100, [] { GameOver = true; });
    host.NewGame();
    // Turns every 15 ms: 510 is the first turn at or past 500, and the next
    // step is measured from there.
    ASSERT_GE(steps.Times.size(), 2u);
    EXPECT_EQ(steps.Times[0], 510u);
    EXPECT_EQ(steps.Times[1], 1020u);
}

TEST(DropLoop, ALandedTrioIsStoredAndTheNextOneSpawnsAtOnce) {
    ScriptedHost host;
    host.WakeEarly = true;
    host.At(0, [] {
        SetWell(Column4UpToRow4);
        SetTrios(1, 2, 3, 6);
    });
    StepLog steps(host);
    host.NewGame();
    // Steps at 500..2500 bring the trio to rows 1..3 in 3 steps; the 4th lands it.
    EXPECT_EQ(Board[4][1], 1);
    EXPECT_EQ(Board[4][2], 2);
    EXPECT_EQ(Board[4][3], 3);
    EXPECT_EQ(CurrentPiece[0], 6);
    EXPECT_EQ(PieceRow, -2);
    // Cell (4, 1) is taken: the game ended at the landing, before the new trio moved.
    EXPECT_EQ(steps.Times.back(), 2000u);
    EXPECT_EQ(host.CallsStartingWith("counters").size(), 2u);
}

TEST(DropLoop, ATrioThatCannotEnterTheWellEndsTheGameUnstored) {
    struct Case {
        int topRow;      // highest jewel of column 4
        int32_t lastRow; // where the trio came to rest
    } cases[] = {{3, 0}, {2, -1}};
    for (const auto& c : cases) {
        ScriptedHost host;
        host.WakeEarly = true;
        host.At(0, [&c] {
            SetWell(Column4UpToRow4);
            for (int r = c.topRow; r < 4; ++r) {
                Board[4][r] = static_cast<uint8_t>(r % 2 ? 6 : 1);
            }
            SetTrios(2, 3, 2, 5);
        });
        host.NewGame();
        EXPECT_EQ(PieceRow, c.lastRow);
        for (int r = 1; r < c.topRow; ++r) {
            EXPECT_EQ(Board[4][r], CellEmpty);
        }
        EXPECT_EQ(CurrentPiece[0], 2); // no spawn after it
        EXPECT_EQ(host.CallsStartingWith("counters").size(), 1u);
    }
}

// The menu bar in use from 600 ms (a menu open, then the bar holding the
// keyboard after Esc or a lone Alt): no step while it is in use, whatever
// events come meanwhile; once it is left, a step that fell due meanwhile
// comes at once and the next a delay later, while a step not yet due keeps
// its time (the hold does not restart the delay).
TEST(DropLoop, TheMenuBarInUseHoldsTheTrioUntilItIsLeft) {
    struct Case {
        const char* name;
        uint64_t leftAt;
        std::vector<uint64_t> steps;
        std::vector<uint64_t> eventsWhileHeld;
    } cases[] = {
        {"a menu open until 3100", 3100, {500, 3100, 3600, 4100}, {}},
        {"a menu closed with Esc at 1200, the bar keeping the keyboard until 3100",
         3100,
         {500, 3100, 3600, 4100},
         {1200, 1700}},
        {"left before the next step is due", 800, {500, 1000, 1500, 2000}, {}},
        {"left just as it is due", 1000, {500, 1000, 1500, 2000}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        host.WakeEarly = true;
        StepLog steps(host);
        size_t callsAtStart = 0;
        host.At(600, [&host, &callsAtStart] {
            host.MenuIsActive = true;
            callsAtStart = host.Calls.size();
        });
        for (const uint64_t at : c.eventsWhileHeld) {
            host.At(at, [] {}); // the menu closing, a key for the bar: still in use
        }
        host.At(c.leftAt, [&host, &callsAtStart, &c] {
            // Held, the loop waits for the next event instead of turning
            // over and over: one wait for each event that ends one.
            const auto held = std::count(host.Calls.begin() + static_cast<long>(callsAtStart),
                                         host.Calls.end(), "wait");
            EXPECT_LE(held, static_cast<long>(c.eventsWhileHeld.size()) + 1);
            host.MenuIsActive = false;
        });
        host.At(c.steps.back() + 100, [] { GameOver = true; });
        host.NewGame();
        EXPECT_EQ(steps.Times, c.steps);
    }
}

// With plain 15 ms waits the held loop still turns, but takes no step.
TEST(DropLoop, AnOpenMenuHoldsTheTrioAlsoWithPlainWaits) {
    ScriptedHost host;
    StepLog steps(host);
    host.At(100, [&host] { host.MenuIsActive = true; });
    host.At(2000, [&host] { host.MenuIsActive = false; });
    host.At(2300, [] { GameOver = true; });
    host.NewGame();
    ASSERT_EQ(steps.Times.size(), 1u);
    // The turn at 2010 handles the close in its dispatch; the next one steps.
    EXPECT_EQ(steps.Times[0], 2025u);
}

TEST(Pause, CoversTheWellWithBandsAndHoldsTheTrio) {
    ScriptedHost host;
    host.WakeEarly = true;
    StepLog steps(host);
    host.KeyAt(1200, VK_PAUSE);
    host.At(1300, [&host] {
        EXPECT_EQ(host.ScreenRows(), "222222\n333333\n444444\n555555\n666666\n111111\n222222\n"
                                     "333333\n444444\n555555\n666666\n111111\n222222\n");
    });
    host.KeyAt(5000, VK_PAUSE);
    host.At(5000, [&host] {
        // Resumed: the well shows Board again, without the trio.
        EXPECT_EQ(host.ScreenRows(), "......\n......\n......\n......\n......\n......\n"
                                     "......\n......\n......\n......\n......\n......\n"
                                     "......\n");
    });
    host.At(5200, [] { GameOver = true; });
    host.NewGame();
    // Steps at 500 and 1000; none while paused; one at the resume, on the spot.
    ASSERT_GE(steps.Times.size(), 3u);
    EXPECT_EQ(steps.Times[0], 500u);
    EXPECT_EQ(steps.Times[1], 1000u);
    EXPECT_EQ(steps.Times[2], 5000u);
}

TEST(Pause, TheBandsAreDrawnRowByRow) {
    ScriptedHost host;
    host.At(100, [&host] { host.Calls.clear(); });
    host.KeyAt(100, VK_PAUSE);
    host.At(300, [&host] { host.Calls.clear(); });
    host.KeyAt(300, VK_PAUSE);
    host.At(300, [] { GameOver = true; });
    host.At(100, [&host] {
        EXPECT_EQ(host.Calls[0], Cell(1, 1, 'J', 2));
        EXPECT_EQ(host.Calls[5], Cell(6, 1, 'J', 2));
        EXPECT_EQ(host.Calls[6], Cell(1, 2, 'J', 3));
        EXPECT_EQ(host.Calls[77], Cell(6, 13, 'J', 2));
    });
    host.NewGame();
    // The resume redraws the well row by row too.
    EXPECT_EQ(host.Calls[0], Cell(1, 1, 'J', 0));
    EXPECT_EQ(host.Calls[1], Cell(2, 1, 'J', 0));
    EXPECT_EQ(host.Calls[6], Cell(1, 2, 'J', 0));
}

TEST(DrawScore, ThePreviewIsLeftAloneWhenShowNextIsOff) {
    ScriptedHost host;
    host.ShowNext = false;
    host.WakeEarly = true;
    host.At(0, [] { SetWell(Column4UpToRow4); });
    host.NewGame();
    EXPECT_TRUE(host.CallsStartingWith("P").empty());
    EXPECT_EQ(host.CallsStartingWith("clear").size(), 1u);
    EXPECT_EQ(std::string(host.PreviewScreen, 3), "000");
}

TEST(DrawScore, DownPointsShowOnlyAtTheNextLanding) {
    ScriptedHost host;
    host.WakeEarly = true;
    host.At(0, [] { SetTrios(1, 2, 3, 4); });
    for (uint64_t t = 10; t < 60; t += 10) {
        host.KeyAt(t, VK_DOWN); // five rows down: 5 points
    }
    host.At(100, [&host] {
        EXPECT_EQ(Score, 5u);
        EXPECT_EQ(host.CounterTexts[0], "0");
        EXPECT_EQ(PieceRow, 3);
    });
    host.At(8000, [] { GameOver = true; });
    host.NewGame();
    // Steps at 500..3500 brought it from row 3 to 10; it landed at 4000.
    EXPECT_EQ(host.CounterTexts[0], "5");
}

TEST(DrawScore, DownOnARestingTrioNeitherMovesNorScores) {
    ScriptedHost host;
    host.WakeEarly = true;
    host.At(0, [] { SetWell(Column4UpToRow4); });
    for (uint64_t t = 10; t < 120; t += 10) {
        host.KeyAt(t, VK_NUMPAD2);
    }
    host.At(200, [] {
        EXPECT_EQ(PieceRow, 1); // three rows down, then it rests on row 4
        EXPECT_EQ(Score, 3u);   // only the moves count
        GameOver = true;
    });
    host.NewGame();
}

TEST(DropLoop, ASpeedChangeWaitsForTheNextRemoval) {
    ScriptedHost host;
    host.WakeEarly = true;
    StepLog steps(host);
    host.At(100, [&host] { host.Speed = 1; });
    host.At(1100, [] { GameOver = true; });
    host.NewGame();
    EXPECT_EQ(steps.Times[1], 1000u);
    EXPECT_EQ(DropDelay, 500);
}

} // namespace
