#include "store/HighScoreTable.h"

#include "store/IniFile.h"
#include "store/IniFormat.h"

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

// The length of the name break at text[i], or 0 when there is none. In a
// name that is not UTF-8 every byte is a character of its own.
std::size_t BreakAt(const std::string& text, std::size_t i, bool utf8) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80 || !utf8) {
        return byte < 0x80 && IsNameBreak(byte) ? 1 : 0;
    }
    // A valid sequence: its lead byte gives its length.
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
    char32_t c = byte & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    return IsNameBreak(c) ? length : 0;
}

} // namespace

void THighScoreTable::LoadHighScores(TCustomIniFile& ini) {
    FReadFrom = {};
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

void THighScoreTable::RefreshHighScores(TIniFile& ini) {
    if (ini.Stamp() == FReadFrom) {
        return; // unchanged since it was read
    }
    TMemIniFile snapshot(ini.FileName(), {});
    TFileStamp stamp;
    if (!ini.ReadSnapshot(snapshot, &stamp)) {
        return;
    }
    LoadHighScores(snapshot);
    FReadFrom = stamp;
    for (const THighScoreEntry& entry : FUnsaved) {
        InsertEntry(entry);
    }
}

void THighScoreTable::SaveNewHighScore(TIniFile& ini, const std::string& name, uint32_t score,
                                       uint32_t jewels) {
    FUnsaved.push_back({name, score, jewels});
    InsertEntry(FUnsaved.back());
    SaveUnsavedScores(ini);
}

void THighScoreTable::SaveUnsavedScores(TIniFile& ini) {
    THighScoreTable saved;
    ini.WriteBatch([&](TCustomIniFile& profile) {
        saved.LoadHighScores(profile);
        bool placed = false;
        for (const THighScoreEntry& entry : FUnsaved) {
            placed = saved.InsertEntry(entry) || placed;
        }
        if (placed) { // else better scores came in meanwhile: nothing to write
            saved.SaveHighScores(profile);
        }
    });
    *this = saved; // nothing unsaved now; the next refresh reads the new file
}

bool THighScoreTable::InsertEntry(const THighScoreEntry& entry) {
    const int place = HighScorePlace(entry.Score);
    if (place == 0) {
        return false;
    }
    InsertHighScore(place, entry.Name, entry.Score, entry.Jewels);
    return true;
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

std::string CutName(const std::string& name) {
    if (name.size() <= MaxNameLength) {
        return name;
    }
    if (!IniFormat::IsValidUtf8(name)) {
        return name.substr(0, MaxNameLength); // a byte is a character
    }
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!IsContinuationByte(static_cast<unsigned char>(name[i])) &&
            ++characters > MaxNameLength) {
            return name.substr(0, i);
        }
    }
    return name;
}

bool IsNameBreak(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::string HighScoreName(const std::string& name) {
    const bool utf8 = IniFormat::IsValidUtf8(name);
    std::string line;
    line.reserve(name.size());
    bool inRun = false;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t control = BreakAt(name, i, utf8);
        if (control == 0) {
            line += name[i++];
            inRun = false;
            continue;
        }
        if (!inRun) {
            line += ' ';
        }
        inRun = true;
        i += control;
    }
    return CutName(line);
}
