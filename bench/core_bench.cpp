// The game core alone on the scripted host (virtual clock, no display):
// whole random games per second and CheckLines calls per second on random
// wells. Prints "name value" lines for bench/run.
#include "core/VirtualKeys.h"
#include "tests/core/ScriptedHost.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Plays random games until at least the given time has passed.
void Games(double minSeconds) {
    std::mt19937 random(1);
    ScriptedHost host;
    host.WakeEarly = true;
    // No game earns a place: no prompt, no write. Every game end still reads
    // the table from the profile, as the game does.
    {
        std::string table = "[HighScores]\n";
        for (int n = 1; n <= HighScorePlaces; ++n) {
            table += "Name" + std::to_string(n) + "=Best\nScore" + std::to_string(n) + "=-1\n";
        }
        std::ofstream(host.ProfileFileName(), std::ios::binary) << table;
    }
    const uint16_t keys[] = {VK_LEFT, VK_RIGHT, VK_CONTROL, VK_SHIFT, VK_DOWN};
    host.TimeLimit = UINT64_MAX;
    uint64_t games = 0, landings = 0;
    // A player who presses a key every 30 to 300 ms of the virtual clock; a
    // press left over from the last game ends its chain.
    std::function<void(uint64_t)> press = [&](uint64_t game) {
        if (game != games || GameOver) {
            return;
        }
        host.FormKeyDown(keys[std::uniform_int_distribution<int>(0, 4)(random)]);
        host.At(host.Now() + std::uniform_int_distribution<uint64_t>(30, 300)(random),
                [&press, game] { press(game); });
    };
    const auto start = std::chrono::steady_clock::now();
    while (Seconds(std::chrono::steady_clock::now() - start) < minSeconds) {
        host.StartingHeight = std::uniform_int_distribution<int32_t>(0, 10)(random);
        host.Speed = 10;
        host.Counter = random();
        host.At(host.Now() + 30, [&press, game = games] { press(game); });
        host.Calls.clear();
        host.NewGame();
        // DrawScore runs at the start and after every landing.
        landings += host.CallsStartingWith("counters").size() - 1;
        host.Calls.clear();
        ++games;
    }
    const double elapsed = Seconds(std::chrono::steady_clock::now() - start);
    std::printf("games_per_second %.1f\ngames %llu\nlandings_per_game %.1f\n",
                static_cast<double>(games) / elapsed, static_cast<unsigned long long>(games),
                static_cast<double>(landings) / static_cast<double>(games));
}

// CheckLines on wells of random jewels with some gaps, cascades included.
void CheckLinesCalls(double minSeconds) {
    std::mt19937 random(2);
    ScriptedHost host;
    host.TimeLimit = UINT64_MAX; // every pass animates on the virtual clock
    std::vector<std::array<std::array<uint8_t, BoardRows>, BoardColumns>> wells(4096);
    for (auto& well : wells) {
        for (int c = 0; c < BoardColumns; ++c) {
            for (int r = 0; r < BoardRows; ++r) {
                const bool wall = c == 0 || c == BoardColumns - 1 || r == 0 || r == BoardRows - 1;
                const int height = std::uniform_int_distribution<int>(0, WellRows)(random);
                well[c][r] = wall ? CellWall
                             : r <= WellRows - height
                                 ? CellEmpty
                                 : static_cast<uint8_t>(
                                       std::uniform_int_distribution<int>(1, JewelKinds)(random));
            }
        }
    }
    uint64_t calls = 0;
    const auto start = std::chrono::steady_clock::now();
    while (Seconds(std::chrono::steady_clock::now() - start) < minSeconds) {
        for (int i = 0; i < 1024; ++i) {
            const auto& well = wells[calls % wells.size()];
            for (int c = 0; c < BoardColumns; ++c) {
                for (int r = 0; r < BoardRows; ++r) {
                    Board[c][r] = well[c][r];
                }
            }
            host.CheckLines();
            host.Calls.clear();
            ++calls;
        }
    }
    const double elapsed = Seconds(std::chrono::steady_clock::now() - start);
    std::printf("checklines_per_second %.0f\ncheckLines_calls %llu\n",
                static_cast<double>(calls) / elapsed, static_cast<unsigned long long>(calls));
}

} // namespace

int main() {
    Games(3.0);
    CheckLinesCalls(3.0);
    return 0;
}
