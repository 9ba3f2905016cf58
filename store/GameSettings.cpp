#include "store/GameSettings.h"

#include "store/IniFile.h"

namespace {
const std::string Section = "Settings";
}

void TGameSettings::LoadSettings(TCustomIniFile& ini) {
    StartingHeight = ini.ReadNumber(Section, "Starting_Height", 0);
    LevelChange = ini.ReadNumber(Section, "Level_Change", 35);
    Speed = ini.ReadNumber(Section, "Speed", 10);
    ShowNext = ini.ReadFlag(Section, "Show_Next", true);
}

void TGameSettings::SaveSettings(TCustomIniFile& ini) const {
    ini.WriteNumber(Section, "Starting_Height", StartingHeight);
    ini.WriteNumber(Section, "Level_Change", LevelChange);
    ini.WriteNumber(Section, "Speed", Speed);
    ini.WriteFlag(Section, "Show_Next", ShowNext);
}
