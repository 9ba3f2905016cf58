// The keys and the game menu commands, through their three gates.
#include "core/VirtualKeys.h"
#include "tests/core/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct Effect {
    int32_t col, row;
    uint8_t top, middle, bottom;
    uint32_t score;
    bool paused, stopped;
};

Effect Observe() {
    return {PieceCol,        PieceRow, CurrentPiece[0], CurrentPiece[1],
            CurrentPiece[2], Score,    Paused,          GameOver};
}

bool operator==(const Effect& a, const Effect& b) {
    return a.col == b.col && a.row == b.row && a.top == b.top && a.middle == b.middle &&
           a.bottom == b.bottom && a.score == b.score && a.paused == b.paused &&
           a.stopped == b.stopped;
}

std::ostream& operator<<(std::ostream& out, const Effect& e) {
    return out << "col " << e.col << " row " << e.row << " trio " << int(e.top) << int(e.middle)
               << int(e.bottom) << " score " << e.score << " paused " << e.paused << " stopped "
               << e.stopped;
}

// A running game whose fresh trio 1, 2, 3 waits at the spawn place; key is
// pressed, and what changed is taken before the game is ended.
Effect PressInRunningGame(uint16_t key, bool pausedFirst = false) {
    ScriptedHost host;
    Effect effect{};
    host.At(0, [] {
        CurrentPiece[0] = 1;
        CurrentPiece[1] = 2;
        CurrentPiece[2] = 3;
    });
    if (pausedFirst) {
        host.KeyAt(50, VK_PAUSE);
    }
    host.KeyAt(100, key);
    host.At(100, [&effect] {
        effect = Observe();
        GameOver = true;
    });
    host.NewGame();
    return effect;
}

TEST(FormKeyDown, ARunningGameFollowsTheKeyTable) {
    const Effect spawn{4, -2, 1, 2, 3, 0, false, false};
    struct Case {
        uint16_t key;
        Effect effect;
    } cases[] = {
        {VK_LEFT, {3, -2, 1, 2, 3, 0, false, false}},
        {VK_NUMPAD4, {3, -2, 1, 2, 3, 0, false, false}},
        {VK_RIGHT, {5, -2, 1, 2, 3, 0, false, false}},
        {VK_NUMPAD6, {5, -2, 1, 2, 3, 0, false, false}},
        {VK_DOWN, {4, -1, 1, 2, 3, 1, false, false}},
        {VK_NUMPAD2, {4, -1, 1, 2, 3, 1, false, false}},
        {VK_CONTROL, {4, -2, 3, 1, 2, 0, false, false}},
        {VK_NUMPAD5, {4, -2, 3, 1, 2, 0, false, false}},
        {VK_SHIFT, {4, -2, 2, 3, 1, 0, false, false}},
        {VK_NUMPAD8, {4, -2, 2, 3, 1, 0, false, false}},
        {VK_PAUSE, {4, -2, 1, 2, 3, 0, true, false}},
        {VK_ESCAPE, {4, -2, 1, 2, 3, 0, false, true}},
        {VK_SPACE, spawn},
        {VK_UP, spawn},
        {99, spawn},  // keypad 3
        {103, spawn}, // keypad 7
        {VK_MENU, spawn},
        {'A', spawn},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PressInRunningGame(c.key), c.effect) << "key " << c.key;
    }
}

TEST(FormKeyDown, WhilePausedOnlyPauseActs) {
    for (uint16_t key : {VK_LEFT, VK_RIGHT, VK_DOWN, VK_CONTROL, VK_SHIFT, VK_ESCAPE, VK_SPACE}) {
        EXPECT_EQ(PressInRunningGame(key, true), (Effect{4, -2, 1, 2, 3, 0, true, false}))
            << "key " << key;
    }
    EXPECT_EQ(PressInRunningGame(VK_PAUSE, true), (Effect{4, -2, 1, 2, 3, 0, false, false}));
}

TEST(FormKeyDown, WithoutAGameOnlySpaceActs) {
    ScriptedHost host;
    for (uint16_t key : {VK_LEFT, VK_RIGHT, VK_DOWN, VK_NUMPAD2, VK_CONTROL, VK_SHIFT, VK_PAUSE,
                         VK_ESCAPE, VK_UP}) {
        host.FormKeyDown(key);
    }
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_FALSE(Paused);

    // Space plays a whole game inside the key handler.
    host.At(0, [] { GameOver = true; });
    host.FormKeyDown(VK_SPACE);
    EXPECT_EQ(host.CallsStartingWith("menu game").size(), 1u);
    EXPECT_EQ(host.Calls.back(), "menu idle");
    EXPECT_FALSE(host.GameRunning());
}

// Leaving the game (another program active, the window minimised, the last
// controller unplugged) pauses only a game that is playing, exactly as Pause.
TEST(PauseIfPlaying, PausesOnlyAPlayingGame) {
    struct Case {
        const char* what;
        std::function<void(ScriptedHost&)> before; // at 50 ms of a running game
        bool paused, drawn;
    } cases[] = {
        {"a playing game", [](ScriptedHost&) {}, true, true},
        {"a game the player paused", [](ScriptedHost& h) { h.FormKeyDown(VK_PAUSE); }, true, false},
        {"a game asked to stop", [](ScriptedHost& h) { h.FormKeyDown(VK_ESCAPE); }, false, false},
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        host.At(50, [&] { c.before(host); });
        host.At(60, [&] {
            host.Calls.clear();
            host.PauseIfPlaying();
            EXPECT_EQ(Paused, c.paused) << c.what;
            EXPECT_EQ(host.CallsStartingWith("W ").size(), c.drawn ? 78u : 0u) << c.what;
            if (c.drawn) {
                // The pause picture of the Pause key: one kind of jewel a row.
                EXPECT_EQ(host.ScreenRows().substr(0, 14), "222222\n333333\n") << c.what;
            }
        });
        host.At(100, [&host] { host.mniAbortClick(); });
        host.NewGame();
    }

    ScriptedHost idle;
    idle.PauseIfPlaying();
    EXPECT_TRUE(idle.Calls.empty());
    EXPECT_FALSE(Paused);
}

TEST(GameMenu, AbortEndsEvenAPausedGameAndPauseToggles) {
    ScriptedHost host;
    host.At(50, [&host] { host.mniPauseClick(); });
    host.At(60, [] { EXPECT_TRUE(Paused); });
    host.At(70, [&host] { host.mniPauseClick(); });
    host.At(80, [&host] {
        EXPECT_FALSE(Paused);
        host.mniPauseClick();
    });
    host.At(100, [&host] { host.mniAbortClick(); });
    host.mniNewClick();
    EXPECT_TRUE(GameOver);
    EXPECT_TRUE(Paused); // kept as it was; the next game clears it
    EXPECT_EQ(host.Calls.back(), "menu idle");
}

TEST(GameMenu, NewGameNeverStartsASecondGameInsideTheFirst) {
    ScriptedHost host;
    host.At(100, [&host] { host.mniNewClick(); });
    host.At(200, [&host] {
        host.FormKeyDown(VK_ESCAPE);
        host.FormKeyDown(VK_SPACE); // the stopped game is still running
        host.mniNewClick();
    });
    host.mniNewClick();
    EXPECT_EQ(host.CallsStartingWith("menu game").size(), 1u);
}

// A trio 1, 2, 5 moved into column 3 lands beside two 5s on the floor: the
// landing at 7000 completes the row 5 5 5, and its frames follow every 40 ms.
void CompleteARowOfFivesAt7000(ScriptedHost& host) {
    host.WakeEarly = true;
    host.At(0, [] {
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
            ......
            55....
        )");
        CurrentPiece[0] = 1;
        CurrentPiece[1] = 2;
        CurrentPiece[2] = 5;
        NextPiece[0] = NextPiece[1] = NextPiece[2] = 3;
    });
    host.KeyAt(10, VK_LEFT);
}

// The keys pressed while the line vanishes act on the landed trio's picture only.
TEST(Cascade, KeysDuringTheAnimationActOnTheLandedTrio) {
    ScriptedHost host;
    CompleteARowOfFivesAt7000(host);
    const uint64_t t = 7001; // the second frame's dispatch, at 7040
    host.At(t, [] {
        EXPECT_EQ(Board[3][13], CellEmpty); // already removed
        EXPECT_EQ(PieceRow, 11);
    });
    host.KeyAt(t, VK_RIGHT);   // column 4 beside the landed trio is free
    host.KeyAt(t, VK_CONTROL); // rotates the picture only
    host.KeyAt(t, VK_ESCAPE);  // the cascade and the landing still complete
    host.KeyAt(t, VK_SPACE);   // and no second game starts
    host.NewGame();
    EXPECT_EQ(Board[3][13], 2); // fell from row 12 after the pass; Board never saw the moves
    EXPECT_EQ(Board[3][12], 1);
    EXPECT_EQ(Board[4][13], CellEmpty);
    EXPECT_EQ(Score, 30u);
    EXPECT_EQ(JewelCount, 3u);
    EXPECT_EQ(CurrentPiece[0], 3); // the spawn happened before the game ended
    EXPECT_EQ(host.CounterTexts[0], "30");
    EXPECT_EQ(host.CallsStartingWith("menu game").size(), 1u);
    EXPECT_EQ(host.CallsStartingWith("sleep 40").size(), 7u);
}

// A menu opened during the animation holds it before its next frame; when
// the menu closes the frames go on, and the new trio's first step comes a
// full delay after the cascade.
TEST(Cascade, AnOpenMenuHoldsTheAnimationBeforeItsNextFrame) {
    ScriptedHost host;
    CompleteARowOfFivesAt7000(host);
    host.At(7040, [&host] { // the second frame's dispatch
        host.MenuIsOpen = true;
        host.Calls.clear();
    });
    host.At(9000, [&host] {
        EXPECT_EQ(host.ScreenRows().substr(12 * 7, 3), "aaa"); // still the first frame
        // Held, the cascade waits for the next event: one wait, which this one ends.
        EXPECT_EQ(host.Calls, std::vector<std::string>({"wait"}));
        host.MenuIsOpen = false;
    });
    // Six frames from 9000 end the cascade at 9240; the new trio steps at 9740,
    // after the events of that moment.
    host.At(9739, [] { EXPECT_EQ(PieceRow, -2); });
    host.At(9741, [] {
        EXPECT_EQ(PieceRow, -1);
        GameOver = true;
    });
    host.NewGame();
    EXPECT_EQ(host.CallsStartingWith("sleep 40").size(), 6u);
    EXPECT_EQ(Board[3][13], 2);
    EXPECT_EQ(host.CounterTexts[0], "30");
}

TEST(Cascade, PauseDuringTheAnimationSkipsTheRedrawUntilTheResume) {
    ScriptedHost host;
    CompleteARowOfFivesAt7000(host);
    host.KeyAt(7080, VK_PAUSE); // in the third frame's dispatch
    host.At(7500, [&host] {
        // The bands, with the last frame drawn over them where the line was.
        EXPECT_EQ(host.ScreenRows().substr(12 * 7, 6), "ggg222");
        EXPECT_EQ(Board[3][13], 2);
    });
    host.KeyAt(8000, VK_PAUSE);
    host.At(8000, [&host] {
        EXPECT_EQ(host.ScreenRows().substr(10 * 7), "......\n..1...\n..2...\n");
        GameOver = true;
    });
    host.NewGame();
}

} // namespace
