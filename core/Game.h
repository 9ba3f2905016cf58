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

    // The falling trio.
    void DrawShape(int32_t col, int32_t row, uint8_t code);
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

    // The player's commands.
    void FormKeyDown(uint16_t Key);
    void mniNewClick();
    void mniPauseClick();
    void mniAbortClick();

    // True from the start of NewGame until it returns, also after a stop request.
    bool GameRunning() const { return FGameRunning; }

    // The settings as the game uses them, each clamped into the range the
    // settings window offers (the stored values are left as they are).
    int32_t EffectiveStartingHeight() const;
    uint32_t JewelsPerLevel() const;
    int32_t StepInterval() const; // DropDelay for the current Level and Speed

private:
    void MovePieceSideways(int32_t d);
    // Between two frames of a cascade: waits, handling events, until no menu is open.
    void HoldWhileMenuOpen();
    void Randomize();

    bool FGameRunning = false;
};
