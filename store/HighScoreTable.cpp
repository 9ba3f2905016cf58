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

// The length of the control character at text[i], or 0 when there is none.
// C1 controls and the Unicode line and paragraph separators count only in a
// UTF-8 name; in an 8-bit code page their bytes are letters.
std::size_t ControlAt(const std::string& text, std::size_t i, bool utf8) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
        return 1;
    }
    if (!utf8) {
        return 0;
    }
    const auto next = [&](std::size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
    };
    if (byte == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F) {
        return 2; // U+0080..U+009F
    }
    if (byte == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9)) {
        return 3; // U+2028, U+2029
    }
    return 0;
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

std::string HighScoreName(const std::string& name) {
    const bool utf8 = IniFormat::IsValidUtf8(name);
    std::string line;
    line.reserve(name.size());
    bool inRun = false;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t control = ControlAt(name, i, utf8);
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
