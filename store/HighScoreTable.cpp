#include "store/HighScoreTable.h"

#include "store/IniFile.h"

namespace {

const std::string Section = "HighScores";

std::string Key(const char* name, int place) {
    return name + std::to_string(place);
}

int32_t DefaultScore(int place) {
    return (11 - place) * 100;
}
int32_t DefaultJewels(int place) {
    return (11 - place) * 10;
}

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

void THighScoreTable::LoadHighScores(TCustomIniFile& ini) {
    for (int n = 1; n <= HighScorePlaces; ++n) {
        HiName[n] = CutName(ini.ReadText(Section, Key("Name", n), "Nobody"));
        // Scores of 2^31 and more are kept in the file as negative numbers.
        HiScore[n] =
            static_cast<uint32_t>(ini.ReadNumber(Section, Key("Score", n), DefaultScore(n)));
        HiJewels[n] =
            static_cast<uint32_t>(ini.ReadNumber(Section, Key("Jewels", n), DefaultJewels(n)));
    }
}

void THighScoreTable::SaveHighScores(TCustomIniFile& ini) const {
    for (int n = 1; n <= HighScorePlaces; ++n) {
        ini.WriteText(Section, Key("Name", n), HiName[n]);
        ini.WriteNumber(Section, Key("Score", n), static_cast<int32_t>(HiScore[n]));
        ini.WriteNumber(Section, Key("Jewels", n), static_cast<int32_t>(HiJewels[n]));
    }
}

int THighScoreTable::HighScorePlace(uint32_t score) const {
    for (int p = 1; p <= HighScorePlaces; ++p) {
        if (HiScore[p] < score) {
            return p;
        }
    }
    return 0;
}

void THighScoreTable::InsertHighScore(int place, const std::string& name, uint32_t score,
                                      uint32_t jewels) {
    for (int i = HighScorePlaces; i > place; --i) {
        HiName[i] = HiName[i - 1];
        HiScore[i] = HiScore[i - 1];
        HiJewels[i] = HiJewels[i - 1];
    }
    HiName[place] = name;
    HiScore[place] = score;
    HiJewels[place] = jewels;
}

std::string HighScorePrompt(int place, uint32_t score) {
    return "You placed #" + std::to_string(place) + " with your score of " + std::to_string(score) +
           ".\r\nEnter your name:";
}

std::string CutName(const std::string& name) {
    if (name.size() <= MaxNameLength) {
        return name;
    }
    std::size_t length = MaxNameLength;
    // Step back over a sequence the cut would split; bytes of an 8-bit code
    // page that only look like a sequence lose at most three characters.
    const auto next = static_cast<unsigned char>(name[length]);
    if (IsContinuationByte(next)) {
        std::size_t start = length;
        while (start > 0 && length - start < 3 &&
               IsContinuationByte(static_cast<unsigned char>(name[start]))) {
            --start;
        }
        const auto lead = static_cast<unsigned char>(name[start]);
        if (lead >= 0xC0) {
            length = start;
        }
    }
    return name.substr(0, length);
}
