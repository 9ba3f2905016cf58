// The ten places in the profile: the defaults of a new profile, and an order
// that a load, a save and a load keep.
#include "store/HighScoreTable.h"
#include "store/GameSettings.h"
#include "store/IniFile.h"
#include "tests/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using testfiles::TempDirectory;
using testfiles::WriteFile;

TEST(HighScoreTable, ANewProfileGivesTheDefaults) {
    TempDirectory dir;
    TGameSettings settings;
    THighScoreTable table;
    TIniFile ini(dir / "Brindlex.ini");
    settings.LoadSettings(ini);
    table.LoadHighScores(ini);
    EXPECT_EQ(settings.StartingHeight, 0);
    EXPECT_EQ(settings.LevelChange, 35);
    EXPECT_EQ(settings.Speed, 10);
    EXPECT_TRUE(settings.ShowNext);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(table.HiName[n], "Nobody");
        EXPECT_EQ(table.HiScore[n], static_cast<uint32_t>((11 - n) * 100));
        EXPECT_EQ(table.HiJewels[n], static_cast<uint32_t>((11 - n) * 10));
    }
}

TEST(HighScoreTable, EqualScoresKeepTheirOrderOverLoadSaveLoad) {
    TempDirectory dir;
    const std::string path = dir / "Brindlex.ini";
    WriteFile(path, "[HighScores]\nName1=A\nScore1=500\nName2=B\nScore2=500\n"
                    "Name3=C\nScore3=500\n");
    THighScoreTable table;
    {
        TIniFile ini(path);
        table.LoadHighScores(ini);
    }
    {
        TIniFile ini(path);
        table.SaveHighScores(ini);
    }
    THighScoreTable reread;
    TIniFile ini(path);
    reread.LoadHighScores(ini);
    EXPECT_EQ(reread.HiName[1] + reread.HiName[2] + reread.HiName[3], "ABC");
}

} // namespace
