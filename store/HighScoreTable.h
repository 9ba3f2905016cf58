// The ten best results and their batches in the profile file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class TCustomIniFile;

constexpr int HighScorePlaces = 10;
constexpr std::size_t MaxNameLength = 255;

struct THighScoreTable {
    // Places 1..10; index 0 is unused.
    std::string HiName[HighScorePlaces + 1];
    uint32_t HiScore[HighScorePlaces + 1] = {};
    uint32_t HiJewels[HighScorePlaces + 1] = {};

    // Reads the thirty keys of "HighScores", neither sorted nor checked.
    void LoadHighScores(TCustomIniFile& ini);
    // Writes all thirty keys in order; stops at the first write that fails.
    void SaveHighScores(TCustomIniFile& ini) const;

    // The first place whose score is below score (unsigned), 0 for none.
    int HighScorePlace(uint32_t score) const;
    // Moves the places from place on down by one, dropping place 10, and puts
    // the entry at place.
    void InsertHighScore(int place, const std::string& name, uint32_t score, uint32_t jewels);
};

// The two lines of the name prompt for a score that earned place.
std::string HighScorePrompt(int place, uint32_t score);

// At most MaxNameLength bytes of name, cut before a UTF-8 sequence rather
// than through it.
std::string CutName(const std::string& name);
