// The end of every game: a score that earns a place asks for a name, takes the
// place, and the whole table is saved.
#include "core/Game.h"

#include "store/IniFile.h"

std::string TGameHost::ProfileFileName() {
    return ProfilePath();
}

void TGame::EnterHighScore() {
    const uint32_t score = Score;
    const uint32_t jewels = JewelCount;
    const int place = HighScorePlace(score);
    if (place == 0) {
        return;
    }
    const std::string answer =
        InputQuery("You're Winner!", HighScorePrompt(place, score), HiName[1]);
    InsertHighScore(place, CutName(answer), score, jewels);

    TIniFile ini(ProfileFileName());
    SaveHighScores(ini);
}
