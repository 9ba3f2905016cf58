// Key presses as the game understands them: Windows virtual-key codes.
#pragma once

#include <cstdint>

class QKeyEvent;

// The virtual-key code of a key press, 0 for a key the game has no code for.
uint16_t VirtualKeyOf(const QKeyEvent& event);
