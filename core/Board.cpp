// The falling trio: drawing a cell, the landing test and the moves.
#include "core/Game.h"

void TGame::DrawShape(int32_t col, int32_t row, uint8_t code) {
    // Rows 0 and above lie above the client area: the host clips them away,
    // which is what keeps a trio above the well out of sight.
    PaintWell((col - 1) * CellSize, (row - 1) * CellSize, JewelPictures[code]);
}

bool TGame::PieceCollided() {
    return Board[PieceCol][PieceRow + 3] != CellEmpty;
}

void TGame::MovePieceDown() {
    DrawShape(PieceCol, PieceRow, CellEmpty);
    ++PieceRow;
    for (int32_t i = 0; i < 3; ++i) {
        DrawShape(PieceCol, PieceRow + i, CurrentPiece[i]);
    }
}

void TGame::MovePieceSideways(int32_t d) {
    const int32_t target = PieceCol + d;
    if (target < 1 || target > WellColumns) {
        return;
    }
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t row = PieceRow + i;
        if (row >= 1 && Board[target][row] != CellEmpty) {
            return;
        }
    }
    for (int32_t i = 0; i < 3; ++i) {
        DrawShape(PieceCol, PieceRow + i, CellEmpty);
    }
    PieceCol = target;
    for (int32_t i = 0; i < 3; ++i) {
        DrawShape(PieceCol, PieceRow + i, CurrentPiece[i]);
    }
}

void TGame::MovePieceLeft() {
    MovePieceSideways(-1);
}

void TGame::MovePieceRight() {
    MovePieceSideways(+1);
}

void TGame::RotatePiece(bool down) {
    const uint8_t top = CurrentPiece[0];
    const uint8_t middle = CurrentPiece[1];
    const uint8_t bottom = CurrentPiece[2];
    if (down) {
        CurrentPiece[0] = bottom;
        CurrentPiece[1] = top;
        CurrentPiece[2] = middle;
    } else {
        CurrentPiece[0] = middle;
        CurrentPiece[1] = bottom;
        CurrentPiece[2] = top;
    }
    for (int32_t i = 0; i < 3; ++i) {
        DrawShape(PieceCol, PieceRow + i, CurrentPiece[i]);
    }
}
