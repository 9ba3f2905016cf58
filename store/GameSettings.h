// The four game settings and their batches in the profile file.
#pragma once

#include <cstdint>

class TCustomIniFile;

// The range the settings window offers for a number setting. The profile may
// hold any number; the game uses it clamped into this range.
struct TSettingRange {
    int32_t Min;
    int32_t Max;
};
constexpr TSettingRange StartingHeightRange{0, 10};
constexpr TSettingRange LevelChangeRange{10, 90};
constexpr TSettingRange SpeedRange{1, 10};

struct TGameSettings {
    int32_t StartingHeight = 0; // rows of random jewels a new game starts with
    int32_t LevelChange = 35;   // jewels to level up
    int32_t Speed = 10;         // 1..10; the higher, the faster the trio falls
    bool ShowNext = true;       // preview the next trio

    // Reads the four keys of "Settings" in order, unchecked.
    void LoadSettings(TCustomIniFile& ini);
    // Writes all four keys in order; stops at the first write that fails.
    void SaveSettings(TCustomIniFile& ini) const;
};
