// After a landing: every line of three equal jewels vanishes, the jewels above
// fall, and the search repeats until no line is left.
#include "core/Game.h"

#include <limits>

namespace {

constexpr uint32_t PointsPerLine = 30;
constexpr uint32_t FrameMs = 40;

// The four directions a line can run in, as the step from one end to the centre.
constexpr int32_t LineSteps[4][2] = {
    {1, 0},  // horizontal
    {0, 1},  // vertical
    {1, 1},  // upper left to lower right
    {1, -1}, // lower left to upper right
};

} // namespace

void TGame::CheckLines() {
    for (uint8_t pass = 1;; ++pass) {
        TWellMarks Marked = {};
        const uint16_t matches = ScanAndMark(Marked);
        if (matches == 0) {
            return;
        }
        const uint16_t removed = RemoveMarked(Marked);
        CountAndScore(matches, removed, pass);
        AnimateVanish(Marked);
        LetJewelsFall();
        // While paused the bands stay up; the well is shown again on resuming.
        if (!Paused) {
            DrawWell(TWellPicture::Position, TWellOrder::ColumnByColumn);
        }
    }
}

// Marks every line of three equal jewels; gives the number of line tests that
// succeeded. Every test reads Board as it stood when the pass began, so the
// order of the scan cannot change what is found. The walls never equal a
// jewel, so tests at the border simply fail.
uint16_t TGame::ScanAndMark(TWellMarks& Marked) const {
    uint16_t matches = 0;
    for (int32_t c = 1; c <= WellColumns; ++c) {
        for (int32_t r = 1; r <= WellRows; ++r) {
            const uint8_t k = Board[c][r];
            if (k == CellEmpty) {
                continue;
            }
            for (const auto& step : LineSteps) {
                const int32_t dc = step[0];
                const int32_t dr = step[1];
                // The line test: (c, r) is the middle of three equal jewels in a
                // line when the cells one step before and after it hold k too.
                if (Board[c - dc][r - dr] == k && Board[c + dc][r + dr] == k) {
                    ++matches;
                    Marked[c - dc - 1][r - dr - 1] = 1;
                    Marked[c - 1][r - 1] = 1;
                    Marked[c + dc - 1][r + dr - 1] = 1;
                }
            }
        }
    }
    return matches;
}

// Empties the marked cells of Board; gives how many there were, each once.
uint16_t TGame::RemoveMarked(const TWellMarks& Marked) {
    uint16_t removed = 0;
    for (int32_t c = 1; c <= WellColumns; ++c) {
        for (int32_t r = 1; r <= WellRows; ++r) {
            if (Marked[c - 1][r - 1]) {
                Board[c][r] = CellEmpty;
                ++removed;
            }
        }
    }
    return removed;
}

// Each further pass of a chain multiplies the points of its lines.
void TGame::CountAndScore(uint16_t matches, uint16_t removed, uint8_t pass) {
    JewelCount += removed;
    Score += static_cast<uint32_t>(matches) * PointsPerLine * pass;
    Level = JewelCount / JewelsPerLevel() + 1;
    DropDelay = StepInterval();
}

// Seven frames over the marked cells, row by row; the player's commands run
// before each frame.
void TGame::AnimateVanish(const TWellMarks& Marked) {
    for (int32_t f = 0; f < VanishFrameCount; ++f) {
        ProcessMessages();
        HoldWhileMenuActive();
        for (int32_t r = 1; r <= WellRows; ++r) {
            for (int32_t c = 1; c <= WellColumns; ++c) {
                if (Marked[c - 1][r - 1]) {
                    PaintWell((c - 1) * CellSize, (r - 1) * CellSize, VanishFrames[f]);
                }
            }
        }
        Sleep(FrameMs);
    }
}

// In every column the jewels close up towards the bottom, keeping their order.
void TGame::LetJewelsFall() {
    for (int32_t c = 1; c <= WellColumns; ++c) {
        uint8_t column[WellRows];
        int32_t count = 0;
        for (int32_t r = WellRows; r >= 1; --r) {
            if (Board[c][r] != CellEmpty) {
                column[count++] = Board[c][r];
            }
        }
        for (int32_t i = 0; i < WellRows; ++i) {
            Board[c][WellRows - i] = i < count ? column[i] : CellEmpty;
        }
    }
}

void TGame::HoldWhileMenuActive() {
    // The program ending is no reason to stand still: its game must finish.
    while (MenuActive() && !Terminated()) {
        SleepUntilEvent(std::numeric_limits<uint32_t>::max());
        ProcessMessages();
    }
}
