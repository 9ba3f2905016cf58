// The game state: one set of variables for the whole program.
#pragma once

#include <cstdint>

// Cell codes of Board.
constexpr uint8_t CellEmpty = 0;
constexpr uint8_t CellWall = 9;
constexpr uint8_t JewelKinds = 6;

// The well is columns 1..6 by rows 1..13; Board adds the walls around it.
constexpr int32_t WellColumns = 6;
constexpr int32_t WellRows = 13;
constexpr int32_t BoardColumns = WellColumns + 2;
constexpr int32_t BoardRows = WellRows + 2;
constexpr int32_t CellSize = 46;
constexpr int32_t VanishFrameCount = 7;

// A picture the host knows how to draw. The game only passes them on.
class TPicture {
public:
    virtual ~TPicture() = default;
};

static_assert(sizeof(bool) == 1, "the game's flags are one byte each");

extern uint8_t Board[BoardColumns][BoardRows]; // [column][row], row 1 at the top
extern uint8_t CurrentPiece[3];                // [0] top, [1] middle, [2] bottom
extern uint8_t NextPiece[3];
extern int32_t PieceCol; // column of the falling trio, 1..6
extern int32_t PieceRow; // row of its top jewel; above the well while <= 0
extern uint32_t Score;
extern uint32_t JewelCount;
extern uint32_t Level;
extern int32_t DropDelay; // milliseconds between two steps; compared unsigned
extern bool GameOver;     // set while no game runs, and as the request to stop
extern bool Paused;

// Filled once at start-up by the window: [0] the blank cell, [1..6] the jewels.
extern const TPicture* JewelPictures[JewelKinds + 1];
// The vanish animation, frame 1 at index 0.
extern const TPicture* VanishFrames[VanishFrameCount];
