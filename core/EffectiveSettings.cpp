// The settings as the game uses them. The profile may hold any number; the
// game takes each clamped into the range the settings window offers and
// leaves the stored value as it is.
#include "core/Game.h"

#include <algorithm>

int32_t TGame::EffectiveStartingHeight() const {
    return std::clamp(StartingHeight, StartingHeightRange.Min, StartingHeightRange.Max);
}

uint32_t TGame::JewelsPerLevel() const {
    return static_cast<uint32_t>(
        std::clamp(LevelChange, LevelChangeRange.Min, LevelChangeRange.Max));
}

int32_t TGame::StepInterval() const {
    const int32_t speed = std::clamp(Speed, SpeedRange.Min, SpeedRange.Max);
    // From level 11 on the trio keeps level 10's pace instead of racing or stalling.
    const int32_t level = static_cast<int32_t>(std::min<uint32_t>(Level, 10));
    return (150 - 10 * speed) * (11 - level);
}
