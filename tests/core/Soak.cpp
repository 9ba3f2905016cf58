#include "tests/core/Soak.h"

#include "core/VirtualKeys.h"
#include "tests/core/ScriptedHost.h"

#include <functional>
#include <random>
#include <stdexcept>

namespace {

void CheckInvariants(const ScriptedHost& host, bool trioExists, bool atLanding) {
    for (int c = 0; c < BoardColumns; ++c) {
        for (int r = 0; r < BoardRows; ++r) {
            const bool wall = c == 0 || c == BoardColumns - 1 || r == 0 || r == BoardRows - 1;
            if (wall ? Board[c][r] != CellWall : Board[c][r] > JewelKinds) {
                throw std::logic_error("cell " + std::to_string(c) + "," + std::to_string(r) +
                                       " holds " + std::to_string(Board[c][r]));
            }
        }
    }
    if (!trioExists) {
        return;
    }
    if (PieceCol < 1 || PieceCol > WellColumns || PieceRow < -2 || PieceRow > WellRows - 2) {
        throw std::logic_error("the trio is at " + std::to_string(PieceCol) + "," +
                               std::to_string(PieceRow));
    }
    for (uint8_t kind : CurrentPiece) {
        if (kind < 1 || kind > JewelKinds) {
            throw std::logic_error("a trio jewel of kind " + std::to_string(kind));
        }
    }
    // Right after a landing, unless paused, the screen shows exactly Board.
    if (atLanding && !Paused) {
        for (int c = 1; c <= WellColumns; ++c) {
            for (int r = 1; r <= WellRows; ++r) {
                if (host.Screen[c][r] != static_cast<char>('0' + Board[c][r])) {
                    throw std::logic_error("the screen and Board differ at " + std::to_string(c) +
                                           "," + std::to_string(r));
                }
            }
        }
    }
}

const uint16_t Keys[] = {VK_LEFT,    VK_NUMPAD4, VK_RIGHT, VK_NUMPAD6, VK_DOWN,  VK_NUMPAD2,
                         VK_CONTROL, VK_NUMPAD5, VK_SHIFT, VK_NUMPAD8, VK_PAUSE, VK_ESCAPE,
                         VK_SPACE,   VK_UP,      VK_MENU,  99,         103,      'Q'};

} // namespace

SoakResult RunSoak(uint32_t seed, uint64_t minLandings) {
    SoakResult result;
    std::mt19937 random(seed);
    auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    try {
        while (result.landings < minLandings || result.games == 0) {
            ScriptedHost host;
            host.WakeEarly = !chance(10);
            host.Counter = random();
            host.StartingHeight = std::uniform_int_distribution<int32_t>(-2, 15)(random);
            host.Speed = std::uniform_int_distribution<int32_t>(-1, 16)(random);
            host.LevelChange = std::uniform_int_distribution<int32_t>(0, 100)(random);
            host.ShowNext = chance(70);
            bool trioExists = false; // from the first counters on
            host.AfterEachCall = [&host, &trioExists] {
                const bool counters = host.Calls.back().compare(0, 8, "counters") == 0;
                trioExists = trioExists || counters;
                CheckInvariants(host, trioExists, counters);
            };

            // Mostly moves, with Down often enough that wells fill up; now and
            // then pauses, menu commands, an open menu, setting changes, a stop
            // or a close.
            // Each command schedules the next, so only what a game reaches is made.
            const int gap = std::uniform_int_distribution<int>(5, 400)(random);
            const uint64_t horizon = 20ull * 60 * 1000;
            std::function<void()> command = [&] {
                // A stop or a close is rare, so that most games fill the well
                // and run through many landings, cascades and levels.
                const int pick = std::uniform_int_distribution<int>(0, 9999)(random);
                ++result.commands;
                if (pick < 9900) {
                    uint16_t key = Keys[std::uniform_int_distribution<size_t>(0, 17)(random)];
                    if (key == VK_ESCAPE && !chance(1)) {
                        key = VK_DOWN;
                    }
                    host.FormKeyDown(key);
                } else if (pick < 9950) {
                    host.mniPauseClick();
                } else if (pick < 9970) {
                    host.mniNewClick();
                } else if (pick < 9990) {
                    // A menu held open for up to three seconds.
                    host.MenuIsActive = true;
                    host.At(host.Now() + std::uniform_int_distribution<uint64_t>(0, 3000)(random),
                            [&host] { host.MenuIsActive = false; });
                } else if (pick < 9995) {
                    host.Speed = std::uniform_int_distribution<int32_t>(-3, 20)(random);
                    host.ShowNext = chance(50);
                } else if (pick < 9998) {
                    host.mniAbortClick();
                } else {
                    host.TerminatedFlag = true;
                }
                const uint64_t next =
                    host.Now() + std::uniform_int_distribution<int>(0, 2 * gap)(random);
                host.At(
                    next < horizon ? next : horizon, next < horizon ? command : [&host] {
                        host.mniAbortClick(); // ends even a paused game
                    });
            };
            host.At(0, command);
            host.TimeLimit = horizon + 60 * 60 * 1000;

            host.NewGame();
            if (host.GameRunning() || !GameOver) {
                throw std::logic_error("the game did not end cleanly");
            }
            ++result.games;
            const auto counters = host.CallsStartingWith("counters").size();
            result.landings += counters - 1;
        }
    } catch (const std::exception& e) {
        result.failure = "seed " + std::to_string(seed) + ", game " +
                         std::to_string(result.games + 1) + ": " + e.what();
    }
    return result;
}
