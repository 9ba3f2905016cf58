// Makes high-score saves the way the game does at the end of a game, one
// after another: score_writer FILE NAME FIRST COUNT STEP saves the entries
// NAME0, NAME1, ... with the scores FIRST, FIRST + STEP, ... and as many
// jewels as their number. Exit status 1 when a save fails.
#include "store/HighScoreTable.h"
#include "store/IniFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: score_writer FILE NAME FIRST COUNT STEP\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::string name = argv[2];
    const auto first = static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10));
    const auto count = static_cast<uint32_t>(std::strtoul(argv[4], nullptr, 10));
    const auto step = static_cast<uint32_t>(std::strtoul(argv[5], nullptr, 10));
    THighScoreTable table;
    try {
        for (uint32_t i = 0; i < count; ++i) {
            TIniFile ini(path);
            table.SaveNewHighScore(ini, name + std::to_string(i), first + i * step, i);
        }
    } catch (const EIniFileException& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
