// The controller's presses in the game are the keys': every rule of the keys
// holds for the pad.
#pragma once

#include "ui/controller/PadInput.h"

#include <cstdint>

class TGame;

// The virtual-key code a press stands for. Start is Space while no game runs
// and Pause during a game.
uint16_t PadKey(TPadButton button, const TGame& game);
