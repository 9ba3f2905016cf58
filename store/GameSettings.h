// The four game settings and their batches in the profile file.
#pragma once

#include <cstdint>

class TCustomIniFile;

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
