// The game's operations. The game window derives from TGame, so these are its
// own operations, and implements the host operations of TGameHost.
#pragma once

#include "core/GameHost.h"
#include "core/GameState.h"
#include "store/GameSettings.h"
#include "store/HighScoreTable.h"

class TGame : public TGameHost, public TGameSettings, public THighScoreTable {
public:
    TGame();

    // Draws a single cell, not a shape: the picture of code at cell (col, row).
    void DrawShape(int32_t col, int32_t row, uint8_t code);

    // The falling trio.
    // True when the cell under its bottom jewel is taken: the trio cannot step.
    bool PieceCollided();
    void MovePieceDown();
    void MovePieceLeft();
    void MovePieceRight();
    void RotatePiece(bool down);

    // Resolves the well after a landing: every line of three goes, pass after pass.
    void CheckLines();

    // Plays one whole game; returns when it has ended.
    void NewGame();
    void DrawScore();
    void TogglePause();
    // Takes the ended game's score into the table if it earns a place, and saves it.
    void EnterHighScore();

    // The player's commands. Key is a Windows virtual-key code (core/VirtualKeys.h).
    void FormKeyDown(uint16_t Key);
    void mniNewClick();
    void mniPauseClick();
    void mniAbortClick();
    // The player has left the game: another program became active, the window
    // was minimised, or the last game controller was unplugged. A game that
    // is playing pauses as the Pause key pauses it; any other stays as it is.
    void PauseIfPlaying();

    // True from the start of NewGame until it returns, also after a stop request.
    bool GameRunning() const { return FGameRunning; }

    // The settings as the game uses them, each clamped into the range the
    // settings window offers (the stored values are left as they are).
    int32_t EffectiveStartingHeight() const;
    uint32_t JewelsPerLevel() const;
    int32_t StepInterval() const; // DropDelay for the current Level and Speed

private:
    // The cells of the well that belong to a line found in this pass, [column - 1][row - 1].
    using TWellMarks = uint8_t[WellColumns][WellRows];

    // What DrawWell shows in every cell of the well.
    enum class TWellPicture {
        Blank,      // the empty well of a new game
        Position,   // what Board holds
        EndStripes, // the end of a game: diagonal stripes of the six kinds
        PauseBands, // while paused: one kind a row, hiding the position
    };
    // The order in which DrawWell goes through the cells; each picture keeps
    // the order the game has always drawn it in.
    enum class TWellOrder {
        ColumnByColumn, // columns 1..6, in each rows 1..13
        RowByRow,       // rows 1..13, in each columns 1..6
    };
    void DrawWell(TWellPicture picture, TWellOrder order);

    void MovePieceSideways(int32_t d);

    // The steps of NewGame.
    void ResetWell();
    void Randomize();
    void PreFill();
    void DealFirstTrios();
    void DropLoop();
    void WaitingTurn(uint32_t LastStepTick);
    void LandTrio();
    void SpawnNextTrio();

    // The steps of one pass of CheckLines.
    uint16_t ScanAndMark(TWellMarks& Marked) const;
    uint16_t RemoveMarked(const TWellMarks& Marked);
    void CountAndScore(uint16_t matches, uint16_t removed, uint8_t pass);
    void AnimateVanish(const TWellMarks& Marked);
    void LetJewelsFall();
    // Between two frames of a cascade: waits, handling events, until no menu is open.
    void HoldWhileMenuOpen();

    bool FGameRunning = false;
};
