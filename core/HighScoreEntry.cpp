// The end of every game: a score that earns a place asks for a name, takes the
// place, and the table is saved.
#include "core/Game.h"

#include "store/IniFile.h"

void TGame::EnterHighScore() {
    const uint32_t score = Score;
    const uint32_t jewels = JewelCount;
    // Another copy of the game may have saved scores since this one read the
    // table: the place, the prompt and the high-scores window go by the file.
    {
        TIniFile ini(ProfileFileName());
        RefreshHighScores(ini);
    }
    const int place = HighScorePlace(score);
    if (place == 0) {
        return;
    }
    const std::string name = HighScoreName(InputQuery(place, score, HiName[1]));
    TIniFile ini(ProfileFileName());
    SaveNewHighScore(ini, name, score, jewels);
}
