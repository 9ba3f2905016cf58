// The ten best results and their batches in the profile file.
#pragma once

#include "store/FileStamp.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TCustomIniFile;
class TIniFile;

constexpr int HighScorePlaces = 10;
// Characters of a name: code points of a UTF-8 name, bytes of any other.
constexpr std::size_t MaxNameLength = 255;

struct THighScoreEntry {
    std::string Name;
    uint32_t Score = 0;
    uint32_t Jewels = 0;
};

struct THighScoreTable {
    // Places 1..10; index 0 is unused.
    std::string HiName[HighScorePlaces + 1];
    uint32_t HiScore[HighScorePlaces + 1] = {};
    uint32_t HiJewels[HighScorePlaces + 1] = {};

    // Reads the thirty keys of "HighScores", neither sorted nor checked.
    void LoadHighScores(TCustomIniFile& ini);
    // Writes all thirty keys in order; stops at the first write that fails.
    void SaveHighScores(TCustomIniFile& ini) const;

    // Brings the table up to date with the profile when the file has changed
    // since the table was last read from it: another copy of the game may
    // have saved scores. Entries whose save failed stay in the table; a file
    // that cannot be read whole leaves the table as it is.
    void RefreshHighScores(TIniFile& ini);
    // Puts a new entry into this table, then saves it in one step under the
    // profile's lock: the entry, and any earlier one whose save failed, go
    // into the table as the file holds it at that moment, by the place rule,
    // and that table is written whole, so scores that another copy saved
    // meanwhile are kept. This table then is the table written. When the
    // save fails, EIniFileException is raised, the file stays as it was and
    // the entry stays here, to be saved with the next one.
    void SaveNewHighScore(TIniFile& ini, const std::string& name, uint32_t score, uint32_t jewels);

    // The first place whose score is below score (unsigned), 0 for none.
    int HighScorePlace(uint32_t score) const;
    // Moves the places from place on down by one, dropping place 10, and puts
    // the entry at place.
    void InsertHighScore(int place, const std::string& name, uint32_t score, uint32_t jewels);

private:
    // By the place rule; false when the entry earns no place.
    bool InsertEntry(const THighScoreEntry& entry);

    TFileStamp FReadFrom;                  // the file as the table was last read from it
    std::vector<THighScoreEntry> FUnsaved; // entries whose save failed
};

// At most MaxNameLength characters of name, cut between characters.
std::string CutName(const std::string& name);

// A name as the table keeps it: one line, each run of control characters
// (line breaks, tabs) a single space, at most MaxNameLength characters.
std::string HighScoreName(const std::string& name);
