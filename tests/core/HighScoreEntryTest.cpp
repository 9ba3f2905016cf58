// The end of a game: the place check, the name prompt, the shift, and the save.
#include "store/IniFile.h"
#include "tests/core/ScriptedHost.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

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

TEST(HighScoreTable, ANewProfileGivesTheDefaults) {
    ScriptedHost host;
    LoadTable(host);
    EXPECT_EQ(host.StartingHeight, 0);
    EXPECT_EQ(host.LevelChange, 35);
    EXPECT_EQ(host.Speed, 10);
    EXPECT_TRUE(host.ShowNext);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(host.HiName[n], "Nobody");
        EXPECT_EQ(host.HiScore[n], static_cast<uint32_t>((11 - n) * 100));
        EXPECT_EQ(host.HiJewels[n], static_cast<uint32_t>((11 - n) * 10));
    }
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
        EXPECT_EQ(prompts[0], "prompt You're Winner!|You placed #" + std::to_string(c.place) +
                                  " with your score of " + std::to_string(c.score) +
                                  ".\r\nEnter your name:|Nobody");
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

TEST(EnterHighScore, NamesAreCutTo255BytesWithoutSplittingACharacter) {
    struct Case {
        std::string answer;
        size_t length;
    } cases[] = {
        {std::string(300, 'a'), 255},
        {std::string(254, 'a') + "\xC3\xA9" + "z", 254},     // é would straddle the cut
        {std::string(253, 'a') + "\xE2\x82\xAC" + "z", 253}, // so would €
        {std::string(252, 'a') + "\xE2\x82\xAC" + "z", 255},
        {std::string(254, 'a') + "\xE9\xE9", 255}, // 8-bit code page bytes are cut plainly
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        LoadTable(host);
        host.PromptAnswer = c.answer;
        PlayTo(host, 5000);
        EXPECT_EQ(host.HiName[1], c.answer.substr(0, c.length));
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
        EXPECT_EQ(std::string(e.what()), "Unable to write to /nonexistent-folder/Brindlex.ini");
    }
    EXPECT_FALSE(host.GameRunning());
    EXPECT_FALSE(host.GameMenuOn);
    EXPECT_EQ(host.ScreenRows().substr(0, 6), "345612");
    EXPECT_EQ(host.HiName[1], "Ann");
}

TEST(HighScoreTable, EqualScoresKeepTheirOrderOverLoadSaveLoad) {
    ScriptedHost host;
    WriteFile(host.ProfileFileName(), "[HighScores]\nName1=A\nScore1=500\nName2=B\nScore2=500\n"
                                      "Name3=C\nScore3=500\n");
    LoadTable(host);
    {
        TIniFile ini(host.ProfileFileName());
        host.SaveHighScores(ini);
    }
    ScriptedHost reread;
    reread.ProfileFile = host.ProfileFileName();
    LoadTable(reread);
    EXPECT_EQ(reread.HiName[1] + reread.HiName[2] + reread.HiName[3], "ABC");
}

TEST(Settings, LoadTakesEachKeyUncheckedOrItsDefault) {
    struct Case {
        const char* profile;
        int32_t height, levelChange, speed;
        bool showNext;
    } cases[] = {
        {"", 0, 35, 10, true},
        {"[SETTINGS]\r\nspeed=3\r\n", 0, 35, 3, true},
        {"[Settings]\nStarting_Height=50\nLevel_Change=5\nSpeed=0x5\nShow_Next=0\n", 50, 5, 5,
         false},
        {"[Settings]\nSpeed=5x\nShow_Next=2\n", 0, 35, 10, true},
        {"[Settings]\nSpeed=fast\nShow_Next=true\nLevel_Change=-1\n", 0, -1, 10, true},
        {"[Settings]\nShow_Next=\n", 0, 35, 10, true},
    };
    for (const auto& c : cases) {
        ScriptedHost host;
        WriteFile(host.ProfileFileName(), c.profile);
        LoadTable(host);
        EXPECT_EQ(host.StartingHeight, c.height) << c.profile;
        EXPECT_EQ(host.LevelChange, c.levelChange) << c.profile;
        EXPECT_EQ(host.Speed, c.speed) << c.profile;
        EXPECT_EQ(host.ShowNext, c.showNext) << c.profile;
    }
}

TEST(Settings, SavingTwiceLeavesOneEntryPerKeyWithTheLaterValues) {
    ScriptedHost host;
    for (int32_t speed : {4, 7}) {
        host.Speed = speed;
        host.ShowNext = speed == 7;
        TIniFile ini(host.ProfileFileName());
        host.SaveSettings(ini);
    }
    EXPECT_EQ(ReadFile(host.ProfileFileName()),
              "[Settings]\nStarting_Height=0\nLevel_Change=35\nSpeed=7\nShow_Next=1\n");
}

} // namespace
