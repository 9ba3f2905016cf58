// The four settings in the profile: each key read unchecked or as its
// default, and written once however often the settings are saved.
#include "store/GameSettings.h"
#include "store/IniFile.h"
#include "tests/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using testfiles::ReadFile;
using testfiles::TempDirectory;
using testfiles::WriteFile;

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
    TempDirectory dir;
    const std::string path = dir / "Brindlex.ini";
    for (const auto& c : cases) {
        WriteFile(path, c.profile);
        TGameSettings settings;
        TIniFile ini(path);
        settings.LoadSettings(ini);
        EXPECT_EQ(settings.StartingHeight, c.height) << c.profile;
        EXPECT_EQ(settings.LevelChange, c.levelChange) << c.profile;
        EXPECT_EQ(settings.Speed, c.speed) << c.profile;
        EXPECT_EQ(settings.ShowNext, c.showNext) << c.profile;
    }
}

TEST(Settings, SavingTwiceLeavesOneEntryPerKeyWithTheLaterValues) {
    TempDirectory dir;
    const std::string path = dir / "Brindlex.ini";
    TGameSettings settings;
    for (int32_t speed : {4, 7}) {
        settings.Speed = speed;
        settings.ShowNext = speed == 7;
        TIniFile ini(path);
        settings.SaveSettings(ini);
    }
    EXPECT_EQ(ReadFile(path),
              "[Settings]\nStarting_Height=0\nLevel_Change=35\nSpeed=7\nShow_Next=1\n");
}

} // namespace
