// The player's keys and the three game menu commands.
#include "core/Game.h"

#include "core/VirtualKeys.h"

void TGame::FormKeyDown(uint16_t Key) {
    if (GameOver) {
        // A stopped game may still be finishing (its cascade, its end steps):
        // Space starts nothing until it has returned.
        if (Key == VK_SPACE && !FGameRunning) {
            NewGame();
        }
        return;
    }
    if (Paused) {
        if (Key == VK_PAUSE) {
            TogglePause();
        }
        return;
    }
    switch (Key) {
    case VK_LEFT:
    case VK_NUMPAD4:
        MovePieceLeft();
        break;
    case VK_RIGHT:
    case VK_NUMPAD6:
        MovePieceRight();
        break;
    case VK_DOWN:
    case VK_NUMPAD2:
        // The Down key never lands the trio; the next step does.
        if (!PieceCollided()) {
            MovePieceDown();
            ++Score;
        }
        break;
    case VK_CONTROL:
    case VK_NUMPAD5:
        RotatePiece(true);
        break;
    case VK_SHIFT:
    case VK_NUMPAD8:
        RotatePiece(false);
        break;
    case VK_PAUSE:
        TogglePause();
        break;
    case VK_ESCAPE:
        GameOver = true;
        break;
    default:
        break;
    }
}

void TGame::mniNewClick() {
    // The menu item is disabled during a game; this also holds if a click
    // slips through while the item's state is changing.
    if (!FGameRunning) {
        NewGame();
    }
}

void TGame::mniPauseClick() {
    TogglePause();
}

void TGame::mniAbortClick() {
    GameOver = true;
}

void TGame::PauseIfPlaying() {
    // A stopped game still finishing its cascade or its end is not playing.
    if (!GameOver && !Paused) {
        TogglePause();
    }
}
