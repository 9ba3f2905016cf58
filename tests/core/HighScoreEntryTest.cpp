// The end of a game: the place check, the name prompt, the shift, and the save.
#include "store/IniFile.h"
#include "tests/TestFiles.h"
#include "tests/core/ScriptedHost.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace {

using testfiles::ReadFile;
using testfiles::WriteFile;

void LoadTable(ScriptedHost& host) {
    TIniFile ini(host.ProfileFileName());
    host.LoadSettings(ini);
    host.LoadHighScores(ini);
}

// Ends a game at once with the given counters.
void PlayTo(ScriptedHost& host, uint32_t score, uint32_t jewels = 7) {
    host.At(0, [score, jewels] {
        Score = score;
        JewelCount = jewels;
        GameOver = true;
    });
    host.NewGame();
}

TEST(EnterHighScore, FindsThePlaceAsksForTheNameAndShiftsTheRest) {
    struct Case {
        uint32_t score;
        int place; // 0: none
    } cases[] = {{1001, 1}, {1000, 2}, {901, 2}, {101, 10}, {100, 0}, {0, 0}};
    for (const auto& c : cases) {
        ScriptedHost host;
        LoadTable(host);
        host.PromptAnswer = "Ann";
        PlayTo(host, c.score, 42);
        const auto prompts = host.CallsStartingWith("prompt");
        if (c.place == 0) {
            EXPECT_TRUE(prompts.empty()) << c.score;
            EXPECT_FALSE(std::ifstream(host.ProfileFileName()).good()) << "nothing is written";
            continue;
        }
        ASSERT_EQ(prompts.size(), 1u);
        EXPECT_EQ(prompts[0],
                  "prompt #" + std::to_string(c.place) + " " + std::to_string(c.score) + "|Nobody");
        for (int n = 1; n <= 10; ++n) {
            const int from = n < c.place ? n : n - 1; // where the entry stood before
            if (n == c.place) {
                EXPECT_EQ(host.HiName[n], "Ann");
                EXPECT_EQ(host.HiScore[n], c.score);
                EXPECT_EQ(host.HiJewels[n], 42u);
            } else {
                EXPECT_EQ(host.HiScore[n], static_cast<uint32_t>((11 - from) * 100)) << n;
            }
        }
        // The whole table went to the file, and reads back the same.
        ScriptedHost reread;
        reread.ProfileFile = host.ProfileFileName();
        LoadTable(reread);
        for (int n = 1; n <= 10; ++n) {
            EXPECT_EQ(reread.HiName[n], host.HiName[n]);
            EXPECT_EQ(reread.HiScore[n], host.HiScore[n]);
            EXPECT_EQ(reread.HiJewels[n], host.HiJewels[n]);
        }
    }
}

TEST(EnterHighScore, SavesAllThirtyKeysInOrderAndLeavesTheSettingsAlone) {
    ScriptedHost host;
    WriteFile(host.ProfileFileName(), "[Settings]\nSpeed=3\n");
    LoadTable(host);
    host.PromptAnswer = "Ann";
    PlayTo(host, 1001, 5);
    std::string expected = "[Settings]\nSpeed=3\n[HighScores]\nName1=Ann\nScore1=1001\nJewels1=5\n";
    for (int n = 2; n <= 10; ++n) {
        expected += "Name" + std::to_string(n) + "=Nobody\nScore" + std::to_string(n) + "=" +
                    std::to_string((12 - n) * 100) + "\nJewels" + std::to_string(n) + "=" +
                    std::to_string((12 - n) * 10) + "\n";
    }
    EXPECT_EQ(ReadFile(host.ProfileFileName()), expected);
}

TEST(EnterHighScore, ACancelledPromptEntersTheNameThatHeldPlaceOne) {
    struct Case {
        const char* name;
        bool cancel, terminating;
        const char* stored;
    } cases[] = {
        {"cancel", true, false, "Zoe"},
        {"closing the program", false, true, "Zoe"},
        {"empty OK", false, false, ""},
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        WriteFile(host.ProfileFileName(), "[HighScores]\nName1=Zoe\nScore1=5000\n");
        LoadTable(host);
        if (!c.cancel) {
            host.PromptAnswer = "";
        }
        host.At(0, [&host, &c] {
            Score = 3000;
            if (c.terminating) {
                host.TerminatedFlag = true;
            } else {
                GameOver = true;
            }
        });
        host.NewGame();
        EXPECT_EQ(host.HiName[2], c.stored) << c.name;
        ScriptedHost reread;
        reread.ProfileFile = host.ProfileFileName();
        LoadTable(reread);
        EXPECT_EQ(reread.HiName[2], c.stored) << c.name << ": an empty name is not Nobody";
        EXPECT_EQ(host.Calls.back().compare(0, 6, "prompt"), 0) << "the end steps came first";
    }
}

TEST(EnterHighScore, TakesTheTableAsTheFileHasIt) {
    ScriptedHost host;
    WriteFile(host.ProfileFileName(), "[HighScores]\nScore1=-1\nScore2=50\nScore3=700\n");
    LoadTable(host);
    EXPECT_EQ(host.HiScore[1], 4294967295u);
    host.PromptAnswer = "Ann";
    PlayTo(host, 600);
    // The first place below 600 is place 2, although place 3 is lower still.
    EXPECT_EQ(host.HiName[2], "Ann");
    EXPECT_EQ(host.HiScore[3], 50u);
    EXPECT_EQ(host.HiScore[4], 700u);
}

TEST(EnterHighScore, ScoresAbove2To31RoundTripThroughNegativeNumbers) {
    ScriptedHost host;
    LoadTable(host);
    host.PromptAnswer = "Max";
    PlayTo(host, 4000000000u, 2147483648u);
    EXPECT_NE(ReadFile(host.ProfileFileName()).find("Score1=-294967296\nJewels1=-2147483648\n"),
              std::string::npos);
    ScriptedHost reread;
    reread.ProfileFile = host.ProfileFileName();
    LoadTable(reread);
    EXPECT_EQ(reread.HiScore[1], 4000000000u);
    EXPECT_EQ(reread.HiJewels[1], 2147483648u);
}

// A name keeps 255 characters as the player sees them: code points of a
// UTF-8 name, bytes of a name in an 8-bit code page.
TEST(EnterHighScore, NamesAreCutTo255CharactersWithoutSplittingOne) {
    const auto times = [](int n, const std::string& piece) {
        std::string text;
        for (int i = 0; i < n; ++i) {
            text += piece;
        }
        return text;
    };
    struct Case {
        std::string answer;
        std::string stored;
    } cases[] = {
        {std::string(300, 'a'), std::string(255, 'a')},
        {times(255, "\xC3\xA9"), times(255, "\xC3\xA9")}, // 255 x e-acute
        {times(256, "\xC3\xA9"), times(255, "\xC3\xA9")},
        {times(255, "\xE2\x82\xAC"), times(255, "\xE2\x82\xAC")},         // 255 x euro sign
        {times(255, "\xF0\x9F\x92\x8E"), times(255, "\xF0\x9F\x92\x8E")}, // 255 x gem stone
        {times(300, "\xF0\x9F\x92\x8E"), times(255, "\xF0\x9F\x92\x8E")},
        {std::string(254, 'a') + "\xC3\xA9z", std::string(254, 'a') + "\xC3\xA9"},
        {std::string(254, 'a') + "\xE9\xE9", std::string(254, 'a') + "\xE9"}, // 8-bit bytes
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        LoadTable(host);
        host.PromptAnswer = c.answer;
        PlayTo(host, 5000);
        EXPECT_EQ(host.HiName[1], c.stored);
        // The file gives every stored name back whole (four bytes a character
        // stay far below what a read can give).
        ScriptedHost reread;
        reread.ProfileFile = host.ProfileFileName();
        LoadTable(reread);
        EXPECT_EQ(reread.HiName[1], c.stored);
    }
}

// A name pasted with line breaks or tabs is one line in the table, so it can
// be saved, and so can every later score of the run.
TEST(EnterHighScore, ANameIsOneLine) {
    const struct {
        std::string answer, stored;
    } cases[] = {
        {"Eve\r\nFay", "Eve Fay"},
        {"Eve\nFay\n", "Eve Fay "},
        {"\tEve\t\tFay", " Eve Fay"},
        {std::string("Eve\0Fay", 7), "Eve Fay"},
        {"Eve\x7F\xC2\x85\xE2\x80\xA8"
         "Fay",
         "Eve Fay"},                  // DEL, NEL, line separator
        {"\xC9ve\x85", "\xC9ve\x85"}, // 8-bit code page: letters stay
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        LoadTable(host);
        host.PromptAnswer = c.answer;
        PlayTo(host, 5000);
        EXPECT_EQ(host.HiName[1], c.stored);
        host.PromptAnswer = "Gus";
        PlayTo(host, 6000);
        ScriptedHost reread;
        reread.ProfileFile = host.ProfileFileName();
        LoadTable(reread);
        EXPECT_EQ(reread.HiName[1], "Gus");
        EXPECT_EQ(reread.HiName[2], c.stored);
    }
}

TEST(EnterHighScore, AFailedSaveLeavesTheGameEndedAndTheEntryInMemory) {
    ScriptedHost host;
    LoadTable(host);
    host.ProfileFile = "/nonexistent-folder/Brindlex.ini";
    host.PromptAnswer = "Ann";
    try {
        PlayTo(host, 5000);
        ADD_FAILURE() << "the failed write must reach the caller";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Unable to write to /nonexistent-folder/Brindlex.ini: the folder does not exist");
    }
    EXPECT_FALSE(host.GameRunning());
    EXPECT_FALSE(host.GameMenuOn);
    EXPECT_EQ(host.ScreenRows().substr(0, 6), "345612");
    EXPECT_EQ(host.HiName[1], "Ann");
}

// A table as "name score jewels" lines, place 1 first.
std::string TableRows(const THighScoreTable& table) {
    std::string rows;
    for (int n = 1; n <= 10; ++n) {
        rows += table.HiName[n] + " " + std::to_string(table.HiScore[n]) + " " +
                std::to_string(table.HiJewels[n]) + "\n";
    }
    return rows;
}

// The file's table, as TableRows gives it.
std::string FileTable(const std::string& path) {
    ScriptedHost reader;
    reader.ProfileFile = path;
    LoadTable(reader);
    return TableRows(reader);
}

// Two copies of the game on one profile, each with the table it loaded at
// start: every entry either makes is in the file, in its place, and nothing
// else of the file changes.
TEST(EnterHighScore, TwoCopiesKeepEachOthersScores) {
    ScriptedHost a;
    const std::string kept = "; my profile\n[Settings]\nSpeed=3\n";
    WriteFile(a.ProfileFileName(), kept);
    LoadTable(a);
    ScriptedHost b;
    b.ProfileFile = a.ProfileFileName();
    LoadTable(b);

    // One after the other: b's prompt already knows a's score.
    a.PromptAnswer = "Ann";
    PlayTo(a, 5000, 50);
    b.PromptAnswer = "Bob";
    PlayTo(b, 3000, 30);
    EXPECT_EQ(b.CallsStartingWith("prompt").back(), "prompt #2 3000|Ann");

    // Interleaved: b saves while a's prompt is open.
    a.PromptAnswer = "Cy";
    a.WhilePromptOpen = [&b] {
        b.PromptAnswer = "Di";
        PlayTo(b, 4000, 40);
    };
    PlayTo(a, 4500, 45);
    const std::string expected = "Ann 5000 50\nCy 4500 45\nDi 4000 40\nBob 3000 30\n"
                                 "Nobody 1000 100\nNobody 900 90\nNobody 800 80\n"
                                 "Nobody 700 70\nNobody 600 60\nNobody 500 50\n";
    EXPECT_EQ(FileTable(a.ProfileFileName()), expected);
    EXPECT_EQ(ReadFile(a.ProfileFileName()).rfind(kept, 0), 0u) << "the other lines stay";
    EXPECT_EQ(TableRows(a), expected) << "the table in memory is the one saved";
}

// While the prompt was open, other copies filled the table with better
// scores: the entry no longer earns a place and the file stays as they left it.
TEST(EnterHighScore, AnEntryPushedOutMeanwhileChangesNothing) {
    ScriptedHost a;
    LoadTable(a);
    a.PromptAnswer = "Ann";
    std::string before;
    a.WhilePromptOpen = [&a, &before] {
        std::string table = "[HighScores]\n";
        for (int n = 1; n <= 10; ++n) {
            table += "Name" + std::to_string(n) + "=Zed\nScore" + std::to_string(n) + "=9000\n";
        }
        WriteFile(a.ProfileFileName(), table);
        before = table;
    };
    PlayTo(a, 2000);
    EXPECT_EQ(ReadFile(a.ProfileFileName()), before);
    EXPECT_EQ(a.HiName[1], "Zed");
    EXPECT_EQ(a.HiScore[10], 9000u);
}

// A save that failed (a read-only file, a full disk) loses nothing: the entry
// stays in the table and goes to the file with the next save, merged with
// what another copy saved meanwhile.
TEST(EnterHighScore, AnEntryWhoseSaveFailedIsSavedWithTheNextOne) {
    ScriptedHost host;
    WriteFile(host.ProfileFileName(), "[HighScores]\n");
    ::chmod(host.ProfileFileName().c_str(), 0444);
    LoadTable(host);
    host.PromptAnswer = "Ann";
    EXPECT_THROW(PlayTo(host, 5000, 50), EIniFileException);
    EXPECT_EQ(host.HiName[1], "Ann");

    ::chmod(host.ProfileFileName().c_str(), 0644);
    ScriptedHost other;
    other.ProfileFile = host.ProfileFileName();
    LoadTable(other);
    other.PromptAnswer = "Cy";
    PlayTo(other, 4000, 40);

    host.PromptAnswer = "Bo";
    PlayTo(host, 3000, 30);
    EXPECT_EQ(host.CallsStartingWith("prompt").back(), "prompt #3 3000|Ann");
    EXPECT_EQ(FileTable(host.ProfileFileName()).substr(0, 34),
              "Ann 5000 50\nCy 4000 40\nBo 3000 30\n");
}

} // namespace
