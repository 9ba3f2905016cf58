#include "core/GameState.h"

uint8_t Board[BoardColumns][BoardRows];
uint8_t CurrentPiece[3];
uint8_t NextPiece[3];
int32_t PieceCol;
int32_t PieceRow;
uint32_t Score;
uint32_t JewelCount;
uint32_t Level;
int32_t DropDelay;
bool GameOver;
bool Paused;

const TPicture* JewelPictures[JewelKinds + 1];
const TPicture* VanishFrames[VanishFrameCount];
